#include "tensor/principal_order.hpp"

#include <algorithm>
#include <cmath>

namespace tensor3d {

std::optional<OrderTriple> orderByChain(const std::array<float, 10>& d) {
  const float d1 = d[0];
  const float d2 = d[1];
  const float d3 = d[2];
  if (d1 > d2 && d1 > d3) return d2 > d3 ? OrderTriple{1, 2, 3} : OrderTriple{1, 3, 2};
  if (d2 > d1 && d2 > d3) return d1 > d3 ? OrderTriple{2, 1, 3} : OrderTriple{2, 3, 1};
  if (d3 > d1 && d3 > d2) return d1 > d2 ? OrderTriple{3, 1, 2} : OrderTriple{3, 2, 1};
  return std::nullopt;
}

OrderTriple orderByRank(const std::array<float, 10>& d) {
  OrderTriple order{1, 2, 3};
  const auto before = [&d](std::int32_t a, std::int32_t b) {
    const float x = d[a - 1];
    const float y = d[b - 1];
    if (std::isnan(x) || std::isnan(y)) {
      if (std::isnan(x) && std::isnan(y)) return a > b;
      return std::isnan(y);
    }
    if (x != y) return x > y;
    return a > b;
  };
  std::ranges::sort(order, before);
  return order;
}

OrderTriple principalOrder(const std::array<float, 10>& d) {
  if (const std::optional<OrderTriple> chain = orderByChain(d)) return *chain;
  return orderByRank(d);
}

}  // namespace tensor3d
