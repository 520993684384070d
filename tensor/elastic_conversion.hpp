// Hooke's law for an isotropic material: stresses to strains or strains to
// stresses, with the report block of the conversion.
#pragma once

#include <string_view>

#include "tensor/matrix10.hpp"
#include "tensor/problem_kind.hpp"
#include "textio/record_writer.hpp"

namespace tensor3d {

struct ElasticConstants {
  float E = 0.0f;
  float nu = 0.0f;
  float G = 0.0f;
  float lambda = 0.0f;
};

// Derives the shear modulus G from E and nu, as soon as they are read.
void deriveModuli(ElasticConstants& elastic);

// Writes the elastic block (deriving lambda first) and returns the new kind:
// 2 after kind 3, 1 after kind 4. `converted` receives the symmetric
// converted tensor in its leading 3x3 block.
ProblemKind convertTensor(RecordWriter& results, const Tensor3& tensor, ProblemKind kind,
                          ElasticConstants& elastic, std::string_view convertedLabel,
                          std::string_view unitsText, Tensor3& converted);

}  // namespace tensor3d
