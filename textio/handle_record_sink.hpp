// Output records to an open file or standard stream.
#pragma once

#include <string>
#include <string_view>

#include "platform/platform.hpp"
#include "textio/record_sink.hpp"

namespace tensor3d {

// Each record goes out at once, with its line end, in a single write: a run
// that ends at any moment leaves every record written before in its stream.
class HandleRecordSink final : public RecordSink {
 public:
  // `unitNumber` and `shownName` are what a failed write's diagnostic names.
  HandleRecordSink(platform::FileHandle handle, std::string_view lineEnd, int unitNumber,
                   std::string shownName)
      : handle_(handle),
        lineEnd_(lineEnd),
        unitNumber_(unitNumber),
        shownName_(std::move(shownName)) {}

  void putRecord(std::string_view record) override;

 private:
  platform::FileHandle handle_;
  std::string lineEnd_;
  int unitNumber_;
  std::string shownName_;
  std::string bytes_;
};

}  // namespace tensor3d
