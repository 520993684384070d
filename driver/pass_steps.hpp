// The analysis steps of a pass, as the run calls them. The run owns the order
// of the steps; what each step computes and writes lives in tensor/.
#pragma once

#include <cstdint>
#include <string_view>

#include "tensor/direction_entry.hpp"
#include "tensor/elastic_conversion.hpp"
#include "tensor/matrix10.hpp"
#include "tensor/principal_analysis.hpp"
#include "tensor/problem_kind.hpp"
#include "textio/record_writer.hpp"

namespace tensor3d {

class PassSteps {
 public:
  virtual ~PassSteps() = default;

  virtual void principal(RecordWriter& results, const Tensor3& tensor, ProblemKind kind,
                         std::string_view tensorLabel, std::string_view unitsText,
                         PrincipalResult& result) = 0;
  virtual void direction(RecordWriter& results, std::int32_t number, const DirectionEntry& entry,
                         const Tensor3& tensor, const PrincipalResult& principal, ProblemKind kind,
                         std::string_view tensorLabel, std::string_view unitsText) = 0;
  virtual void deriveModuli(ElasticConstants& elastic) = 0;
  virtual ProblemKind convert(RecordWriter& results, const Tensor3& tensor, ProblemKind kind,
                              ElasticConstants& elastic, std::string_view convertedLabel,
                              std::string_view unitsText, Tensor3& converted) = 0;
};

// The steps of the program: principal analysis, directional analysis and
// elastic conversion.
PassSteps& tensorPassSteps();

}  // namespace tensor3d
