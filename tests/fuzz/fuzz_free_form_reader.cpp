// The free-form reader alone. The input's first byte gives the length of a
// description of the reads, one byte per step, its value modulo 5 choosing:
// a text item of 10 bytes, one of 50 bytes, an integer, a real, or the start
// of the next read. A read left without items consumes one record. The bytes
// after the description are the records.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <span>
#include <string>
#include <vector>

#include "tests/support/memory_streams.hpp"
#include "textio/free_form_reader.hpp"
#include "textio/termination.hpp"

namespace {

// A longer value is a syntax error, so no item ever reports one.
constexpr std::size_t longestValue = 2048;
// The length of a text item that received no value.
constexpr std::size_t noValue = static_cast<std::size_t>(-1);
constexpr int nextRead = 4;

// A text item starts blank, as a value that never came would leave it.
struct TextItem {
  std::array<char, 50> bytes;
  std::span<char> field;
  std::size_t valueLength = noValue;

  explicit TextItem(std::size_t length) : field(bytes.data(), length) { bytes.fill(' '); }

  // Blanks pad a short value and fill an item that got none.
  [[nodiscard]] bool consistent() const {
    if (valueLength == noValue) return std::ranges::all_of(field, [](char c) { return c == ' '; });
    if (valueLength > longestValue) return false;
    const std::size_t kept = std::min(valueLength, field.size());
    return std::all_of(field.begin() + static_cast<std::ptrdiff_t>(kept), field.end(),
                       [](char c) { return c == ' '; });
  }
};

// Storage for the items of every read; deques keep addresses stable.
struct Items {
  std::deque<TextItem> texts;
  std::deque<std::int32_t> integers;
  std::deque<float> reals;
};

tensor3d::ReadTarget addItem(Items& items, int step) {
  switch (step) {
    case 0:
    case 1: {
      TextItem& text = items.texts.emplace_back(step == 0 ? 10 : 50);
      return tensor3d::TextTarget{text.field, &text.valueLength};
    }
    case 2: return &items.integers.emplace_back(0);
    default: return &items.reals.emplace_back(0.0f);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t described = std::min<std::size_t>(bytes[0] % 32, size - 1);
  const std::uint8_t* steps = bytes + 1;
  Items items;
  std::vector<std::vector<tensor3d::ReadTarget>> reads(1);
  for (std::size_t index = 0; index < described; ++index) {
    const int step = steps[index] % 5;
    if (step == nextRead) {
      reads.emplace_back();
    } else {
      reads.back().push_back(addItem(items, step));
    }
  }

  const std::uint8_t* records = steps + described;
  tensor3d::testing::TextLineSource source(
      std::string(reinterpret_cast<const char*>(records), size - 1 - described));
  tensor3d::FreeFormReader reader(source, tensor3d::unit::dataFile, "/fuzz/datos.txt");
  try {
    for (const auto& targets : reads) reader.read(targets);
  } catch (const tensor3d::RunEnded&) {
  }
  for (const TextItem& text : items.texts) {
    if (!text.consistent()) std::abort();
  }
  return 0;
}
