#include "driver/problem_data.hpp"

#include <utility>

#include "textio/termination.hpp"

namespace tensor3d {

ProblemDataReader::ProblemDataReader(LineSource& source, std::string shownName)
    : reader_(source, unit::dataFile, shownName), shownName_(std::move(shownName)) {}

void ProblemDataReader::skipRecord() { reader_.read({}); }

void ProblemDataReader::failConversion() const {
  failRun(ErrorNumber::ConversionError, unit::dataFile, shownName_);
}

void ProblemDataReader::readProblemHeader(ProblemData& problem) {
  for (int title = 0; title < 5; ++title) skipRecord();
  reader_.read({&problem.kind});
  // Nothing in the run has a meaning for another kind: no label, no wording,
  // no conversion.
  if (problem.kind < stressOnly || problem.kind > strainConverted) failConversion();
  skipRecord();
  reader_.read({TextTarget{problem.unitsText}});
  skipRecord();
  Tensor3& tensor = problem.tensor;
  for (int row = 1; row <= 3; ++row) {
    reader_.read({&tensor(row, 1), &tensor(row, 2), &tensor(row, 3)});
  }
}

void ProblemDataReader::readDirectionCount(ProblemData& problem) {
  reader_.read({&problem.directionCount});
  if (problem.directionCount > maxDirections) failConversion();
}

void ProblemDataReader::readDirectionEntry(DirectionEntry& entry) {
  reader_.read(
      {TextTarget{entry.frame}, &entry.components[0], &entry.components[1], &entry.components[2]});
}

void ProblemDataReader::readElasticConstants(ElasticConstants& elastic) {
  skipRecord();
  reader_.read({&elastic.E, &elastic.nu});
}

}  // namespace tensor3d
