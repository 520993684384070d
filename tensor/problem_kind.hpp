// The problem kind read from the data file: which tensor is given and whether
// it is converted by Hooke's law.
#pragma once

#include <cstdint>

namespace tensor3d {

using ProblemKind = std::int32_t;

inline constexpr ProblemKind stressOnly = 1;
inline constexpr ProblemKind strainOnly = 2;
inline constexpr ProblemKind stressConverted = 3;
inline constexpr ProblemKind strainConverted = 4;

// Kinds 1 and 3 analyse a stress tensor.
constexpr bool isStressKind(ProblemKind kind) {
  return kind == stressOnly || kind == stressConverted;
}
// Kinds 2 and 4 analyse a strain tensor.
constexpr bool isStrainKind(ProblemKind kind) {
  return kind == strainOnly || kind == strainConverted;
}

}  // namespace tensor3d
