#include "tensor/direction_angle.hpp"

#include <algorithm>
#include <cmath>

namespace tensor3d {
namespace {

// The single-precision arc cosine, correctly rounded. Some systems' float arc
// cosine is off by one unit in the last place for a few inputs, which would
// make the same problem print a different angle on different machines; the
// double-precision value rounded once to float is the correctly rounded one.
float arcCosine(float cosine) { return static_cast<float>(std::acos(static_cast<double>(cosine))); }

}  // namespace

float angleWithAxis(float cosine) {
  const float bounded = std::clamp(cosine, -1.0f, 1.0f);
  return (arcCosine(bounded) / 3.1415927f) * 180.0f;
}

}  // namespace tensor3d
