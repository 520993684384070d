#include "tensor/direction_angle.hpp"

#include <algorithm>
#include <cmath>

namespace tensor3d {

float angleWithAxis(float cosine) {
  const float bounded = std::clamp(cosine, -1.0f, 1.0f);
  return (std::acos(bounded) / 3.1415927f) * 180.0f;
}

}  // namespace tensor3d
