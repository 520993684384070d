// The stress vector on a plane, or the strain vector in a direction, for one
// entry of the direction list, in general and principal axes.
#pragma once

#include <cstdint>
#include <string_view>

#include "tensor/direction_entry.hpp"
#include "tensor/matrix10.hpp"
#include "tensor/principal_analysis.hpp"
#include "tensor/problem_kind.hpp"
#include "textio/record_writer.hpp"

namespace tensor3d {

// Writes the "Caso " block of entry `number`. Does not return when the
// cosine table is singular (the run ends with status 0).
void analyseDirection(RecordWriter& results, std::int32_t number, const DirectionEntry& entry,
                      const Tensor3& tensor, const PrincipalResult& principal, ProblemKind kind,
                      std::string_view tensorLabel, std::string_view unitsText);

}  // namespace tensor3d
