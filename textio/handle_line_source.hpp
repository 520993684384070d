// Records read from an open file or standard stream.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "platform/platform.hpp"
#include "textio/line_source.hpp"

namespace tensor3d {

class HandleLineSource final : public LineSource {
 public:
  explicit HandleLineSource(platform::FileHandle handle) : handle_(handle) {}

  // A read error of the stream counts as its end.
  bool nextLine(std::string& line) override;

 private:
  bool fill();

  platform::FileHandle handle_;
  std::array<char, 4096> buffer_{};
  std::size_t position_ = 0;
  std::size_t size_ = 0;
  bool ended_ = false;
};

// Standard input, shared by the console answers and the pause so that
// neither reads ahead of the other.
LineSource& consoleInput();

}  // namespace tensor3d
