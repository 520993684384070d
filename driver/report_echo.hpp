// The records the run itself writes to the report before the analysis: the
// header, the tensor as read and every direction as a unit vector.
#pragma once

#include <string_view>

#include "driver/problem_data.hpp"
#include "tensor/direction_entry.hpp"
#include "textio/record_writer.hpp"

namespace tensor3d {

void writeReportHeader(RecordWriter& results);

// The tensor line, the units line (stress kinds) and the three rows as read.
void writeTensorEcho(RecordWriter& results, const ProblemData& problem,
                     std::string_view tensorLabel);

// The components divided by their length; a zero direction gives NaNs.
void formUnitVector(DirectionEntry& entry);

// The frame line ("G" or "P" only), the heading of the kind and the unit vector.
void writeDirectionEcho(RecordWriter& results, const DirectionEntry& entry, ProblemKind kind);

}  // namespace tensor3d
