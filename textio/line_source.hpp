// Input records: lines of a stream, without their line ends.
#pragma once

#include <string>

namespace tensor3d {

class LineSource {
 public:
  virtual ~LineSource() = default;
  // Fills `line` with the next record's bytes: everything up to the line feed,
  // a carriage return just before the line feed dropped; a last line without a
  // line feed is still a record. Returns false at the end of the input.
  virtual bool nextLine(std::string& line) = 0;
};

}  // namespace tensor3d
