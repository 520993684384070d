// Windows implementation of the platform layer. Files and console streams go
// through system handles in binary form: no byte is translated on the way.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>
#include <cstdlib>

#include "platform/platform.hpp"

namespace tensor3d::platform {
namespace {

HANDLE systemHandle(FileHandle handle) { return reinterpret_cast<HANDLE>(handle.value); }

FileHandle fileHandle(HANDLE handle) { return FileHandle{reinterpret_cast<std::intptr_t>(handle)}; }

// ERROR_NO_SUCH_DEVICE, which not every set of system headers defines.
constexpr DWORD errorNoSuchDevice = 433;

// The run-time error numbers that open failures map to. A file that another
// program holds locked is refused access like a protected one.
int openErrorNumber(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return 29;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT: return 9;
    case ERROR_INVALID_NAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY: return 43;
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_UNIT:
    case ERROR_NOT_READY:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_DEV_NOT_EXIST:
    case errorNoSuchDevice: return 42;
    default: return 30;
  }
}

// The system reports a drive letter that names no drive as a missing file or
// directory.
bool namesMissingDrive(const std::string& path) {
  const std::string full = fullPath(path);
  if (full.size() < 2 || full[1] != ':') return false;
  const char root[] = {full[0], ':', '\\', '\0'};
  return ::GetDriveTypeA(root) == DRIVE_NO_ROOT_DIR;
}

OpenResult openWith(const std::string& path, DWORD access, DWORD share, DWORD disposition) {
  // The system would cut a name at a NUL.
  if (path.empty() || path.find('\0') != std::string::npos) return {FileHandle{}, 43};
  const HANDLE handle = ::CreateFileA(path.c_str(), access, share, nullptr, disposition,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    if (missing && namesMissingDrive(path)) return {FileHandle{}, 42};
    return {FileHandle{}, openErrorNumber(error)};
  }
  return {fileHandle(handle), 0};
}

bool fileIdentity(HANDLE handle, BY_HANDLE_FILE_INFORMATION& info) {
  return ::GetFileInformationByHandle(handle, &info) != 0;
}

// A chunk that one system call can take.
DWORD chunkSize(std::size_t size) {
  return static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
}

void (*interruptCallback)(InterruptKind) = nullptr;

// Runs on a thread of its own that the system starts for the event.
BOOL WINAPI onConsoleEvent(DWORD event) {
  switch (event) {
    case CTRL_C_EVENT: interruptCallback(InterruptKind::ControlC); break;
    case CTRL_BREAK_EVENT: interruptCallback(InterruptKind::ControlBreak); break;
    case CTRL_CLOSE_EVENT: interruptCallback(InterruptKind::WindowClose); break;
    default: return FALSE;
  }
  return TRUE;
}

}  // namespace

FileHandle standardInput() { return fileHandle(::GetStdHandle(STD_INPUT_HANDLE)); }
FileHandle standardOutput() { return fileHandle(::GetStdHandle(STD_OUTPUT_HANDLE)); }
FileHandle standardError() { return fileHandle(::GetStdHandle(STD_ERROR_HANDLE)); }

// A directory does not open without backup semantics, so it is refused access.
OpenResult openForReading(const std::string& path) {
  return openWith(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  OPEN_EXISTING);
}

OpenResult openForWriting(const std::string& path) {
  return openWith(path, GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS);
}

// Opened without access rights, so that no lock of another opener is in the way.
bool namesOpenFile(FileHandle open, const std::string& path) {
  if (path.empty() || path.find('\0') != std::string::npos) return false;
  const HANDLE other =
      ::CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (other == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION openInfo{};
  BY_HANDLE_FILE_INFORMATION otherInfo{};
  const bool known = fileIdentity(systemHandle(open), openInfo) && fileIdentity(other, otherInfo);
  ::CloseHandle(other);
  return known && openInfo.dwVolumeSerialNumber == otherInfo.dwVolumeSerialNumber &&
         openInfo.nFileIndexHigh == otherInfo.nFileIndexHigh &&
         openInfo.nFileIndexLow == otherInfo.nFileIndexLow;
}

std::ptrdiff_t readSome(FileHandle file, char* buffer, std::size_t size) {
  for (;;) {
    DWORD count = 0;
    ::SetLastError(ERROR_SUCCESS);
    if (::ReadFile(systemHandle(file), buffer, chunkSize(size), &count, nullptr) == 0) {
      const DWORD error = ::GetLastError();
      // The writer of a pipe went away: its data are all read.
      if (error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF) return 0;
      return -1;
    }
    // A console read cut short by control-C is no end of input: the interrupt
    // hook is ending the process on its own thread meanwhile.
    if (count == 0 && ::GetLastError() == ERROR_OPERATION_ABORTED) {
      ::Sleep(50);
      continue;
    }
    return static_cast<std::ptrdiff_t>(count);
  }
}

bool writeAll(FileHandle file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD count = 0;
    if (::WriteFile(systemHandle(file), bytes.data(), chunkSize(bytes.size()), &count, nullptr) ==
            0 ||
        count == 0) {
      return false;
    }
    bytes.remove_prefix(count);
  }
  return true;
}

bool closeFile(FileHandle file) { return ::CloseHandle(systemHandle(file)) != 0; }

std::string fullPath(const std::string& name) {
  if (name.empty()) return name;
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length =
        ::GetFullPathNameA(name.c_str(), static_cast<DWORD>(path.size()), path.data(), nullptr);
    if (length == 0) return name;
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(length);  // the length asked for, terminating NUL included
  }
}

std::string_view consoleLineEnd() { return "\r\n"; }

void runCommand(const std::string& commandLine) {
  // The command's own status is of no interest to the pause.
  (void)std::system(commandLine.c_str());
}

void installInterruptHandler(void (*onInterrupt)(InterruptKind)) {
  interruptCallback = onInterrupt;
  // A process may start with control-C ignored, inherited from its parent.
  ::SetConsoleCtrlHandler(nullptr, FALSE);
  ::SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

// Terminated rather than exited: no library's detach code runs, and with it
// nothing that could wait for a lock held by the interrupted main thread.
[[noreturn]] void exitProcess(int status) {
  ::TerminateProcess(::GetCurrentProcess(), static_cast<UINT>(status));
  ::ExitProcess(static_cast<UINT>(status));
}

}  // namespace tensor3d::platform
