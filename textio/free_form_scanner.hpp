// One free-form read's walk over the input records: finds, record by record,
// the values, null values and the slash that the read's items take.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "textio/line_source.hpp"
#include "textio/termination.hpp"

namespace tensor3d {

class FreeFormScanner {
 public:
  // Values longer than this end the run with a syntax error.
  static constexpr std::size_t longestValue = 2048;

  enum class Kind { Value, Null, Slash };
  struct Found {
    Kind kind;
    std::uint32_t count;  // how many items take it (a repeat count)
  };

  FreeFormScanner(LineSource& source, int unitNumber, std::string_view streamName);

  // Moves to the start of the next record; every read begins there. The run
  // ends at the end of the input.
  void startRecord();

  // Finds what the next item takes. Blanks, tabs and record ends (so empty
  // records) are passed over; the end of the input ends the run.
  Found next();

  // The bytes of the last value found, quotes removed from a quoted text.
  [[nodiscard]] std::string_view value() const { return value_; }
  [[nodiscard]] bool quoted() const { return quoted_; }

  // Ends the run with `number`, naming this stream.
  [[noreturn]] void fail(ErrorNumber number) const;

 private:
  bool nextRecord();
  bool atRecordEnd() const { return position_ == record_.size(); }
  std::uint32_t repeatCount();
  void append(char c);
  void scanQuoted();
  void scanUnquoted();

  LineSource& source_;
  int unitNumber_;
  std::string_view streamName_;
  std::string record_;
  std::size_t position_ = 0;
  // A value (or a repeated null) was taken and its separator not yet passed,
  // so that a comma now separates rather than encloses a null value.
  bool afterValue_ = false;
  std::string value_;
  bool quoted_ = false;
};

}  // namespace tensor3d
