// The reader of every input record: free-form reads of texts, 4-byte integers
// and 4-byte reals from one input stream.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "textio/line_source.hpp"

namespace tensor3d {

// A fixed-length text item. The value is stored blank-padded or cut to the
// field's length; when `valueLength` is set it receives the length of the
// value as read, before any cut (untouched when the item gets no value).
struct TextTarget {
  std::span<char> field;
  std::size_t* valueLength = nullptr;
};

using ReadTarget = std::variant<TextTarget, std::int32_t*, float*>;

class FreeFormReader {
 public:
  // `unitNumber` and `streamName` are what a failure's diagnostic names.
  FreeFormReader(LineSource& source, int unitNumber, std::string streamName);

  // One free-form read. An empty list consumes exactly one record.
  void read(std::span<const ReadTarget> targets);
  void read(std::initializer_list<ReadTarget> targets) {
    read(std::span<const ReadTarget>(targets.begin(), targets.size()));
  }

 private:
  LineSource& source_;
  int unitNumber_;
  std::string streamName_;
};

}  // namespace tensor3d
