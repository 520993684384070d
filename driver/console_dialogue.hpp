// The console dialogue that names the data file and the results file.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "textio/free_form_reader.hpp"
#include "textio/record_writer.hpp"

namespace tensor3d {

inline constexpr std::size_t fileNameLength = 50;

// One answer: the 50-character name field and the length of the value typed.
// A null value or a slash leaves the field blank and the length 0.
struct FileNameAnswer {
  std::array<char, fileNameLength> field{};
  std::size_t typedLength = 0;
};

// Shows `prompt` and reads one answer.
FileNameAnswer askFileName(RecordWriter& console, FreeFormReader& answers, std::string_view prompt);

// The name to open: the field without its leading and trailing blanks. An
// empty answer, or one longer than the field, names no file that the user
// meant: the run ends with a file name error on `unitNumber` before any file
// is touched.
std::string nameToOpen(const FileNameAnswer& answer, int unitNumber);

}  // namespace tensor3d
