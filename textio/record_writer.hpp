// The writer of every output record: free-form statements and statements
// laid out field by field.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "textio/record_layout.hpp"
#include "textio/record_sink.hpp"

namespace tensor3d {

// One item of an output statement: a text (its exact bytes, trailing blanks
// included), a 4-byte real or a 4-byte integer.
using OutputItem = std::variant<std::string_view, float, std::int32_t>;

class RecordWriter {
 public:
  explicit RecordWriter(RecordSink& sink) : sink_(sink) {}

  void writeFreeForm(std::span<const OutputItem> items);
  void writeFreeForm(std::initializer_list<OutputItem> items) {
    writeFreeForm(std::span<const OutputItem>(items.begin(), items.size()));
  }

  void writeWithLayout(RecordLayout layout, std::span<const OutputItem> items);
  void writeWithLayout(RecordLayout layout, std::initializer_list<OutputItem> items) {
    writeWithLayout(layout, std::span<const OutputItem>(items.begin(), items.size()));
  }

 private:
  RecordSink& sink_;
  std::string record_;
};

}  // namespace tensor3d
