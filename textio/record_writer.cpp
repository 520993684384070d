#include "textio/record_writer.hpp"

#include <cassert>
#include <cstddef>

#include "textio/number_fields.hpp"

namespace tensor3d {
namespace {

// A free-form record holds at most this many characters.
constexpr std::size_t recordCapacity = 80;

// One free-form statement: its items flow into records of recordCapacity
// characters, each record opened with a leading blank for a text.
class FreeFormStatement {
 public:
  FreeFormStatement(RecordSink& sink, std::string& record) : sink_(sink), record_(record) {
    record_.clear();
  }

  void put(const OutputItem& item) {
    if (const auto* text = std::get_if<std::string_view>(&item)) {
      putText(*text);
    } else if (const auto* real = std::get_if<float>(&item)) {
      putNumber(freeFormRealWidth);
      appendFreeFormReal(record_, *real);
    } else {
      putNumber(freeFormIntegerWidth);
      appendIntegerField(record_, std::get<std::int32_t>(item), freeFormIntegerWidth);
    }
  }

  void finish() {
    if (record_.empty() && pendingBlank_) record_ += ' ';
    sink_.putRecord(record_);
  }

 private:
  enum class Previous { None, Text, Number };

  [[nodiscard]] std::size_t left() const { return recordCapacity - record_.size(); }

  void newRecord() {
    sink_.putRecord(record_);
    record_.clear();
    pendingBlank_ = true;
    previous_ = Previous::None;
  }

  // Makes room for a number field of `width`, which brings its own blanks.
  void putNumber(int width) {
    if (left() < static_cast<std::size_t>(width)) newRecord();
    pendingBlank_ = false;
    previous_ = Previous::Number;
  }

  void putText(std::string_view text) {
    const bool startsRecord = record_.empty();
    if (pendingBlank_ && left() >= text.size()) record_ += ' ';
    if (previous_ == Previous::Number && left() >= 1) record_ += ' ';
    if (text.size() > left()) {
      // Only the record's own leading blank stays with a text that must move.
      if (!startsRecord) newRecord();
      if (record_.empty()) record_ += ' ';
      while (text.size() > left()) {
        const std::size_t part = left();
        record_.append(text.substr(0, part));
        text.remove_prefix(part);
        newRecord();
        record_ += ' ';
      }
    }
    record_.append(text);
    pendingBlank_ = false;
    previous_ = Previous::Text;
  }

  RecordSink& sink_;
  std::string& record_;
  bool pendingBlank_ = true;
  Previous previous_ = Previous::None;
};

void appendTextField(std::string& out, std::string_view text, int width) {
  const auto room = static_cast<std::size_t>(width);
  if (text.size() < room) out.append(room - text.size(), ' ');
  out.append(text.substr(0, room));
}

// One statement through a layout: fields take the items in order, and the
// statement stops at the first field that finds no item left.
class LayoutStatement {
 public:
  LayoutStatement(RecordSink& sink, std::string& record, std::span<const OutputItem> items)
      : sink_(sink), record_(record), items_(items) {
    record_.clear();
  }

  // False once a field has found no item left.
  bool run(RecordLayout elements) {
    for (std::size_t i = 0; i < elements.size(); ++i) {
      const LayoutElement& element = elements[i];
      if (element.kind == LayoutElement::Kind::Group) {
        const RecordLayout members = elements.subspan(i + 1, element.groupLength);
        for (int pass = 0; pass < element.repeat; ++pass) {
          if (!run(members)) return false;
        }
        i += members.size();
      } else if (!runElement(element)) {
        return false;
      }
    }
    return true;
  }

  void finish() {
    // Every statement supplies exactly the items its layout consumes.
    assert(next_ == items_.size());
    sink_.putRecord(record_);
  }

 private:
  bool runElement(const LayoutElement& element) {
    for (int pass = 0; pass < element.repeat; ++pass) {
      if (element.kind == LayoutElement::Kind::Literal) {
        record_.append(element.literal);
      } else if (element.kind == LayoutElement::Kind::RecordBreak) {
        sink_.putRecord(record_);
        record_.clear();
      } else if (next_ == items_.size()) {
        return false;
      } else {
        appendField(element, items_[next_++]);
      }
    }
    return true;
  }

  void appendField(const LayoutElement& field, const OutputItem& item) {
    using Kind = LayoutElement::Kind;
    if (field.kind == Kind::TextField) {
      appendTextField(record_, std::get<std::string_view>(item), field.width);
    } else if (field.kind == Kind::FixedField) {
      appendFixedField(record_, std::get<float>(item), field.width, field.decimals);
    } else if (field.kind == Kind::ExponentField) {
      appendExponentField(record_, std::get<float>(item), field.width, field.decimals);
    } else {
      appendIntegerField(record_, std::get<std::int32_t>(item), field.width);
    }
  }

  RecordSink& sink_;
  std::string& record_;
  std::span<const OutputItem> items_;
  std::size_t next_ = 0;
};

}  // namespace

void RecordWriter::writeFreeForm(std::span<const OutputItem> items) {
  FreeFormStatement statement(sink_, record_);
  for (const OutputItem& item : items) statement.put(item);
  statement.finish();
}

void RecordWriter::writeWithLayout(RecordLayout layout, std::span<const OutputItem> items) {
  LayoutStatement statement(sink_, record_, items);
  statement.run(layout);
  statement.finish();
}

}  // namespace tensor3d
