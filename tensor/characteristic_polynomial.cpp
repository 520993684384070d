#include "tensor/characteristic_polynomial.hpp"

namespace tensor3d {

// The grouping is part of the result: in single precision a different order
// of the same sums gives different last digits in the report.
std::array<float, 3> characteristicPolynomial(const Tensor3& t) {
  const float t11 = t(1, 1);
  const float t12 = t(1, 2);
  const float t13 = t(1, 3);
  const float t22 = t(2, 2);
  const float t23 = t(2, 3);
  const float t33 = t(3, 3);
  const float i1 = (t11 + t22) + t33;
  const float minorSum = (((-(t12 * t12)) - t13 * t13) - t23 * t23) + t22 * t33;
  const float minusI2 = -((t22 + t33) * t11 + minorSum);
  const float i3 = ((t12 * t23 - t22 * t13) * t13 + (t22 * t33 - t23 * t23) * t11) -
                   (t33 * t12 - t13 * t23) * t12;
  return {i1, minusI2, i3};
}

}  // namespace tensor3d
