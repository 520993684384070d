#include "textio/handle_record_sink.hpp"

#include "textio/termination.hpp"

namespace tensor3d {

void HandleRecordSink::putRecord(std::string_view record) {
  bytes_.assign(record);
  bytes_ += lineEnd_;
  if (!platform::writeAll(handle_, bytes_)) {
    failRun(ErrorNumber::WriteError, unitNumber_, shownName_);
  }
}

}  // namespace tensor3d
