// An open file that closes itself when the run leaves its scope, whichever
// way the run ends.
#pragma once

#include "platform/platform.hpp"

namespace tensor3d {

class OpenFile {
 public:
  explicit OpenFile(platform::FileHandle handle) : handle_(handle) {}
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  // A run that is already ending has nothing left to report about a close.
  ~OpenFile() {
    if (handle_.isOpen()) (void)platform::closeFile(handle_);
  }

  [[nodiscard]] platform::FileHandle handle() const { return handle_; }

  // False when the system reports that the file's data were not stored.
  bool close() {
    const bool closed = platform::closeFile(handle_);
    handle_ = platform::FileHandle{};
    return closed;
  }

 private:
  platform::FileHandle handle_;
};

}  // namespace tensor3d
