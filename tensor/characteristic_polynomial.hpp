// Coefficients of the characteristic polynomial -S^3 + I1 S^2 - I2 S + I3 of
// a symmetric tensor given by its diagonal and upper triangle.
#pragma once

#include <array>

#include "tensor/matrix10.hpp"

namespace tensor3d {

// {I1, -I2, I3}, the three coefficients as the report shows them.
std::array<float, 3> characteristicPolynomial(const Tensor3& t);

}  // namespace tensor3d
