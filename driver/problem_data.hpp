// The problem data file: its records and the four read operations the run
// makes on it, in the order the run makes them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "tensor/direction_entry.hpp"
#include "tensor/elastic_conversion.hpp"
#include "tensor/matrix10.hpp"
#include "tensor/problem_kind.hpp"
#include "textio/free_form_reader.hpp"
#include "textio/line_source.hpp"

namespace tensor3d {

inline constexpr std::size_t unitsTextLength = 10;

// What the data file yields. Fields a null value skips keep these blanks and
// zeros.
struct ProblemData {
  ProblemKind kind = 0;
  std::array<char, unitsTextLength> unitsText{' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
  Tensor3 tensor;
  std::int32_t directionCount = 0;
  std::array<DirectionEntry, maxDirections> directions{};
  ElasticConstants elastic;
};

class ProblemDataReader {
 public:
  // `shownName` is the data file as failures name it (its full path).
  ProblemDataReader(LineSource& source, std::string shownName);

  // Records 1 to 12: the kind, the units and the tensor rows. A kind outside
  // 1 to 4 ends the run as a conversion error as soon as it is read.
  void readProblemHeader(ProblemData& problem);
  // The number of directions. More than the list holds ends the run as a
  // conversion error as soon as it is read.
  void readDirectionCount(ProblemData& problem);
  // One entry: the frame text, then the three components.
  void readDirectionEntry(DirectionEntry& entry);
  // Kinds 3 and 4: a skipped record, then E and nu.
  void readElasticConstants(ElasticConstants& elastic);

 private:
  void skipRecord();
  [[noreturn]] void failConversion() const;

  FreeFormReader reader_;
  std::string shownName_;
};

}  // namespace tensor3d
