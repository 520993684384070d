#include "textio/free_form_reader.hpp"

#include <algorithm>
#include <optional>
#include <utility>

#include "textio/free_form_number.hpp"
#include "textio/free_form_scanner.hpp"

namespace tensor3d {
namespace {

template <class... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

void storeText(const TextTarget& target, std::string_view value) {
  const std::size_t kept = std::min(value.size(), target.field.size());
  std::copy_n(value.begin(), kept, target.field.begin());
  std::fill(target.field.begin() + static_cast<std::ptrdiff_t>(kept), target.field.end(), ' ');
  if (target.valueLength != nullptr) *target.valueLength = value.size();
}

// Stores the scanner's current value into one item.
void store(const ReadTarget& target, const FreeFormScanner& scanner) {
  const auto convertNumber = [&scanner](auto convert, auto& item) {
    // A quoted text is never a number: its mark is no character of one.
    if (scanner.quoted()) scanner.fail(ErrorNumber::SyntaxError);
    if (const std::optional<ErrorNumber> error = convert(scanner.value(), item)) {
      scanner.fail(*error);
    }
  };
  std::visit(Overloaded{
                 [&](const TextTarget& text) { storeText(text, scanner.value()); },
                 [&](std::int32_t* integer) { convertNumber(convertInteger, *integer); },
                 [&](float* real) { convertNumber(convertReal, *real); },
             },
             target);
}

}  // namespace

FreeFormReader::FreeFormReader(LineSource& source, int unitNumber, std::string streamName)
    : source_(source), unitNumber_(unitNumber), streamName_(std::move(streamName)) {}

void FreeFormReader::read(std::span<const ReadTarget> targets) {
  FreeFormScanner scanner(source_, unitNumber_, streamName_);
  scanner.startRecord();
  std::size_t item = 0;
  while (item < targets.size()) {
    const FreeFormScanner::Found found = scanner.next();
    if (found.kind == FreeFormScanner::Kind::Slash) return;
    const std::size_t last = std::min<std::size_t>(targets.size(), item + found.count);
    for (; item < last; ++item) {
      if (found.kind == FreeFormScanner::Kind::Value) store(targets[item], scanner);
    }
  }
}

}  // namespace tensor3d
