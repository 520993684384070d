// The angle, in degrees, between a principal direction and a coordinate axis.
#pragma once

namespace tensor3d {

// (arccos(cosine) / 3.1415927) * 180 in single precision. Rounding in the
// eigen-solver can push a cosine a hair beyond 1 in magnitude, which would
// make the angle of an axis-aligned direction NaN instead of 0 or 180, so the
// cosine is first bounded to [-1, 1]; a NaN cosine stays NaN.
float angleWithAxis(float cosine);

}  // namespace tensor3d
