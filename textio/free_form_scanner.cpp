#include "textio/free_form_scanner.hpp"

#include <charconv>
#include <system_error>

namespace tensor3d {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isQuoteMark(char c) { return c == '\'' || c == '"'; }
bool endsValue(char c) { return isBlank(c) || c == ',' || c == '/'; }

}  // namespace

FreeFormScanner::FreeFormScanner(LineSource& source, int unitNumber, std::string_view streamName)
    : source_(source), unitNumber_(unitNumber), streamName_(streamName) {}

void FreeFormScanner::fail(ErrorNumber number) const { failRun(number, unitNumber_, streamName_); }

bool FreeFormScanner::nextRecord() {
  position_ = 0;
  return source_.nextLine(record_);
}

void FreeFormScanner::startRecord() {
  if (!nextRecord()) fail(ErrorNumber::EndOfFile);
}

FreeFormScanner::Found FreeFormScanner::next() {
  for (;;) {
    while (!atRecordEnd() && isBlank(record_[position_])) ++position_;
    if (atRecordEnd()) {
      if (!nextRecord()) fail(ErrorNumber::EndOfFile);
      continue;
    }
    const char c = record_[position_];
    if (c == '/') return {Kind::Slash, 1};
    if (c != ',') break;
    ++position_;
    if (!afterValue_) return {Kind::Null, 1};
    afterValue_ = false;
  }
  afterValue_ = true;
  const std::uint32_t count = repeatCount();
  if (atRecordEnd() || endsValue(record_[position_])) return {Kind::Null, count};
  if (isQuoteMark(record_[position_])) {
    scanQuoted();
  } else {
    scanUnquoted();
  }
  return {Kind::Value, count};
}

// A run of digits directly followed by an asterisk; without one a value is
// taken once.
std::uint32_t FreeFormScanner::repeatCount() {
  std::size_t star = position_;
  while (star < record_.size() && isDigit(record_[star])) ++star;
  if (star == position_ || star == record_.size() || record_[star] != '*') return 1;
  std::uint32_t count = 0;
  const auto result = std::from_chars(record_.data() + position_, record_.data() + star, count);
  if (result.ec != std::errc{} || count == 0) fail(ErrorNumber::SyntaxError);
  position_ = star + 1;
  return count;
}

void FreeFormScanner::append(char c) {
  if (value_.size() == longestValue) fail(ErrorNumber::SyntaxError);
  value_ += c;
}

// A quoted text runs over record ends with nothing put in their place. A mark
// that is the last byte of a record closes the text: it never pairs with a
// mark at the start of the next record. The text must end at a separator.
void FreeFormScanner::scanQuoted() {
  const char mark = record_[position_++];
  value_.clear();
  quoted_ = true;
  for (;;) {
    if (atRecordEnd()) {
      if (!nextRecord()) fail(ErrorNumber::SyntaxError);
      continue;
    }
    const char c = record_[position_++];
    if (c == mark) {
      if (atRecordEnd() || record_[position_] != mark) break;
      ++position_;
    }
    append(c);
  }
  if (!atRecordEnd() && !endsValue(record_[position_])) fail(ErrorNumber::SyntaxError);
}

void FreeFormScanner::scanUnquoted() {
  value_.clear();
  quoted_ = false;
  while (!atRecordEnd() && !endsValue(record_[position_])) append(record_[position_++]);
}

}  // namespace tensor3d
