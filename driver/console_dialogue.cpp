#include "driver/console_dialogue.hpp"

#include "platform/platform.hpp"
#include "textio/termination.hpp"

namespace tensor3d {

FileNameAnswer askFileName(RecordWriter& console, FreeFormReader& answers,
                           std::string_view prompt) {
  FileNameAnswer answer;
  answer.field.fill(' ');
  console.writeFreeForm({prompt});
  answers.read({TextTarget{answer.field, &answer.typedLength}});
  return answer;
}

std::string nameToOpen(const FileNameAnswer& answer, int unitNumber) {
  const std::string_view field(answer.field.data(), answer.field.size());
  const std::size_t first = field.find_first_not_of(' ');
  std::string name =
      first == std::string_view::npos
          ? std::string()
          : std::string(field.substr(first, field.find_last_not_of(' ') + 1 - first));
  if (name.empty() || answer.typedLength > fileNameLength) {
    failRun(ErrorNumber::FileNameError, unitNumber, platform::fullPath(name));
  }
  return name;
}

}  // namespace tensor3d
