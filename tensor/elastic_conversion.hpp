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

// The volume strain (e11 + e22) + e33 of a strain tensor.
float linearInvariant(const Tensor3& strains);

// The conversions read the diagonal and upper triangle only and fill both
// triangles of the 3x3 block of their result, which may be the input itself.
// Strains are tensor strains.
// stressesFromStrains needs G and lambda, strainsFromStresses E, nu and G.
void stressesFromStrains(const Tensor3& strains, const ElasticConstants& elastic,
                         Tensor3& stresses);
void strainsFromStresses(const Tensor3& stresses, const ElasticConstants& elastic,
                         Tensor3& strains);

// Writes the elastic block (deriving lambda first) and returns the new kind:
// 2 after kind 3, 1 after kind 4. `converted` receives the symmetric
// converted tensor in its leading 3x3 block. Any kind other than 3 is taken
// as a strain tensor to convert into stresses.
ProblemKind convertTensor(RecordWriter& results, const Tensor3& tensor, ProblemKind kind,
                          ElasticConstants& elastic, std::string_view convertedLabel,
                          std::string_view unitsText, Tensor3& converted);

}  // namespace tensor3d
