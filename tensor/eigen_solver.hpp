// Eigenvalues and eigenvectors of a real symmetric matrix by cyclic Jacobi
// rotations in single precision.
#pragma once

#include <array>
#include <cstdint>

#include "tensor/matrix10.hpp"

namespace tensor3d {

// Reads the diagonal and strict upper triangle of a(1..n, 1..n) and destroys
// the strict upper triangle. d(k) (d[k - 1]) receives the k-th eigenvalue in
// the solver's order, column k of v its unit eigenvector. After 50 sweeps
// without convergence it pauses with the sweep-limit message and returns.
void jacobi(Matrix10& a, std::int32_t n, std::array<float, 10>& d, Matrix10& v);

}  // namespace tensor3d
