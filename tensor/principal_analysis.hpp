// Principal values and directions of the tensor of a pass, and the report
// block that presents them.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "tensor/matrix10.hpp"
#include "tensor/principal_order.hpp"
#include "tensor/problem_kind.hpp"
#include "textio/record_writer.hpp"

namespace tensor3d {

struct PrincipalResult {
  std::array<float, 10> eigenvalues{};            // d, in the solver's order
  Matrix10 directions;                            // v, column k for d(k)
  OrderTriple order{};                            // indices into d: largest, middle, smallest
  std::array<float, 3> ordered{};                 // lambda1 >= lambda2 >= lambda3
  std::array<std::array<float, 3>, 3> cosines{};  // cosines[r - 1][k - 1] = Q(r, k)
  Matrix10 principalTensor;                       // diag(lambda1, lambda2, lambda3)
};

// Writes the principal block of one pass and fills `result`. Reads only the
// diagonal and upper triangle of `tensor` and leaves it unchanged.
void principalAnalysis(RecordWriter& results, const Tensor3& tensor, ProblemKind kind,
                       std::string_view tensorLabel, std::string_view unitsText,
                       PrincipalResult& result);

}  // namespace tensor3d
