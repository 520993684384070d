// Which eigenvalue is the largest, the middle and the smallest one.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace tensor3d {

// Indices (1 to 3) into the eigenvalue list: largest, middle, smallest.
using OrderTriple = std::array<std::int32_t, 3>;

// The comparison chain: strict single-precision comparisons, the first value
// that beats both others is the largest, and of two equal smaller values the
// one with the higher index is the middle one. Empty when no value beats both
// others (a tie for the largest, or a NaN among the three).
std::optional<OrderTriple> orderByChain(const std::array<float, 10>& d);

// A total order that agrees with the chain wherever the chain decides: larger
// values first, equal values with the higher index first, NaN values after
// every number, higher index first among them.
OrderTriple orderByRank(const std::array<float, 10>& d);

// The chain's order, or the rank order where the chain decides nothing.
OrderTriple principalOrder(const std::array<float, 10>& d);

}  // namespace tensor3d
