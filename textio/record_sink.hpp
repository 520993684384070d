// Output records: where a RecordWriter's finished records go.
#pragma once

#include <string_view>

namespace tensor3d {

class RecordSink {
 public:
  virtual ~RecordSink() = default;
  // Takes one finished record (without its line end) and adds the stream's
  // line end. A sink that cannot store it ends the run (error 38).
  virtual void putRecord(std::string_view record) = 0;
};

}  // namespace tensor3d
