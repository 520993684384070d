// In-memory streams for tests: a sink that keeps the records as they would
// stand in the results file, and a line source over a fixed text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "textio/line_source.hpp"
#include "textio/record_sink.hpp"

namespace tensor3d::testing {

class MemorySink final : public RecordSink {
 public:
  void putRecord(std::string_view record) override {
    bytes_.append(record);
    bytes_ += "\r\n";
  }
  [[nodiscard]] const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

class TextLineSource final : public LineSource {
 public:
  explicit TextLineSource(std::string text) : text_(std::move(text)) {}

  bool nextLine(std::string& line) override {
    if (position_ >= text_.size()) return false;
    const std::size_t end = text_.find('\n', position_);
    const std::size_t stop = end == std::string::npos ? text_.size() : end;
    line.assign(text_, position_, stop - position_);
    position_ = end == std::string::npos ? text_.size() : end + 1;
    if (end != std::string::npos && !line.empty() && line.back() == '\r') line.pop_back();
    return true;
  }

 private:
  std::string text_;
  std::size_t position_ = 0;
};

}  // namespace tensor3d::testing
