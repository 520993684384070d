// Timing of the per-pass numerical work on a 3x3 tensor.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string_view>

#include "tensor/eigen_solver.hpp"
#include "tensor/linear_solve.hpp"
#include "tensor/matrix10.hpp"

namespace tensor3d {
namespace {

// A full stress tensor with distinct principal values, so every rotation runs.
constexpr float stress[3][3] = {
    {50.0f, 30.0f, -20.0f}, {30.0f, -40.0f, 10.0f}, {-20.0f, 10.0f, 25.0f}};

// A direction-cosine table, as the directional analysis hands it over.
constexpr float cosines[3][3] = {{0.36f, 0.48f, -0.8f}, {-0.8f, 0.6f, 0.0f}, {0.48f, 0.64f, 0.6f}};

class DiscardingSink final : public RecordSink {
 public:
  void putRecord(std::string_view) override {}
};

void jacobiOnStressTensor(benchmark::State& state) {
  std::array<float, 10> d{};
  Matrix10 v;
  for (auto _ : state) {
    Matrix10 a;
    for (int i = 1; i <= 3; ++i) {
      for (int j = 1; j <= 3; ++j) a(i, j) = stress[i - 1][j - 1];
    }
    jacobi(a, 3, d, v);
    benchmark::DoNotOptimize(d);
    benchmark::DoNotOptimize(v);
  }
}
BENCHMARK(jacobiOnStressTensor);

void gaussJordanOnCosineTable(benchmark::State& state) {
  DiscardingSink sink;
  RecordWriter results(sink);
  const std::int32_t n = 3;
  const std::int32_t m = 1;
  for (auto _ : state) {
    Matrix20 a;
    Matrix20 b;
    for (int i = 1; i <= 3; ++i) {
      for (int j = 1; j <= 3; ++j) a(i, j) = cosines[i - 1][j - 1];
      b(i, 1) = 1.0f / static_cast<float>(i);
    }
    gaussJordanSolve(n, m, a, b, results);
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(b);
  }
}
BENCHMARK(gaussJordanOnCosineTable);

}  // namespace
}  // namespace tensor3d
