#include "textio/handle_line_source.hpp"

#include <cstring>

namespace tensor3d {

bool HandleLineSource::fill() {
  if (ended_) return false;
  const std::ptrdiff_t count = platform::readSome(handle_, buffer_.data(), buffer_.size());
  if (count <= 0) {
    ended_ = true;
    return false;
  }
  position_ = 0;
  size_ = static_cast<std::size_t>(count);
  return true;
}

bool HandleLineSource::nextLine(std::string& line) {
  line.clear();
  bool anything = false;
  for (;;) {
    if (position_ == size_ && !fill()) break;
    anything = true;
    const char* start = buffer_.data() + position_;
    const std::size_t available = size_ - position_;
    const void* newline = std::memchr(start, '\n', available);
    if (newline == nullptr) {
      line.append(start, available);
      position_ = size_;
      continue;
    }
    const auto length = static_cast<std::size_t>(static_cast<const char*>(newline) - start);
    line.append(start, length);
    position_ += length + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
  }
  return anything;
}

LineSource& consoleInput() {
  static HandleLineSource source(platform::standardInput());
  return source;
}

}  // namespace tensor3d
