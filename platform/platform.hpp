// The only door to the operating system. Everything the program needs from
// the platform (files, console streams, full paths, the command interpreter,
// console interrupts, the floating-point mode, process exit) is declared here
// and implemented once for POSIX and once for Windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tensor3d::platform {

// An open file or standard stream. Plain value type; the platform owns the meaning.
struct FileHandle {
  std::intptr_t value = -1;
  [[nodiscard]] bool isOpen() const { return value != -1; }
};

// Result of an open: the handle, or the run-time error number that the
// failure maps to (9, 29, 30, 42 or 43); errorNumber is 0 on success.
struct OpenResult {
  FileHandle handle;
  int errorNumber = 0;
};

FileHandle standardInput();
FileHandle standardOutput();
FileHandle standardError();

// Opens an existing file for sequential reading.
OpenResult openForReading(const std::string& path);
// Creates the file, or truncates an existing one, for sequential writing.
OpenResult openForWriting(const std::string& path);
// True when `path` names the very file that `open` refers to (same device and
// file identity, whatever the spelling of the name).
bool namesOpenFile(FileHandle open, const std::string& path);

// Reads up to `size` bytes; returns the count, 0 at end of input, -1 on error.
std::ptrdiff_t readSome(FileHandle file, char* buffer, std::size_t size);
// Writes all bytes; false when the system refuses any of them.
bool writeAll(FileHandle file, std::string_view bytes);
// Closes the file; false when the close reports a failure (data not stored).
bool closeFile(FileHandle file);

// The full path that the system resolves `name` to, for diagnostics.
std::string fullPath(const std::string& name);

// The bytes that end a line on the console.
std::string_view consoleLineEnd();

// Runs one command line through the system's command interpreter to completion.
// An interrupt meanwhile still reaches the program's hook.
void runCommand(const std::string& commandLine);

// Denormal operands read as zero, denormal results flushed to zero, all
// floating-point exceptions masked.
void setFloatingPointMode();

enum class InterruptKind { ControlC, ControlBreak, WindowClose };
// Installs the console interrupt hook. `onInterrupt` runs in an asynchronous
// context: it may only write preformatted bytes and end the process. From then
// on a write that the system refuses (a pipe without reader, a file size
// limit) fails like any other instead of ending the process.
void installInterruptHandler(void (*onInterrupt)(InterruptKind));

// Ends the process at once with `status`; nothing is flushed by the runtime.
[[noreturn]] void exitProcess(int status);

}  // namespace tensor3d::platform
