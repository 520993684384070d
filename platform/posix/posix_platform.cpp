// POSIX implementation of the platform layer.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <filesystem>

#include "platform/platform.hpp"

extern char** environ;

namespace tensor3d::platform {
namespace {

int fd(FileHandle handle) { return static_cast<int>(handle.value); }

// The run-time error numbers that open failures map to.
int openErrorNumber(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR: return 29;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS: return 9;
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:
    case EILSEQ: return 43;
    case ENODEV:
    case ENXIO: return 42;
    default: return 30;
  }
}

OpenResult openWith(const std::string& path, int flags) {
  // The system would take an empty name as missing and cut a name at a NUL.
  if (path.empty() || path.find('\0') != std::string::npos) return {FileHandle{}, 43};
  int descriptor;
  do {
    descriptor = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
  } while (descriptor < 0 && errno == EINTR);
  if (descriptor < 0) return {FileHandle{}, openErrorNumber(errno)};
  return {FileHandle{descriptor}, 0};
}

// SIGQUIT stands for control-BREAK and SIGHUP for the closing of the terminal.
constexpr int interruptSignals[] = {SIGINT, SIGQUIT, SIGHUP};
// A write to a pipe without reader or beyond the file size limit fails and is
// reported like any failed write, instead of ending the process silently.
constexpr int ignoredSignals[] = {SIGPIPE, SIGXFSZ};
void (*interruptCallback)(InterruptKind) = nullptr;

void onSignal(int signalNumber) {
  if (interruptCallback == nullptr) return;
  switch (signalNumber) {
    case SIGINT: interruptCallback(InterruptKind::ControlC); break;
    case SIGQUIT: interruptCallback(InterruptKind::ControlBreak); break;
    default: interruptCallback(InterruptKind::WindowClose); break;
  }
}

}  // namespace

FileHandle standardInput() { return FileHandle{STDIN_FILENO}; }
FileHandle standardOutput() { return FileHandle{STDOUT_FILENO}; }
FileHandle standardError() { return FileHandle{STDERR_FILENO}; }

OpenResult openForReading(const std::string& path) {
  OpenResult result = openWith(path, O_RDONLY);
  if (result.errorNumber != 0) return result;
  // A directory opens for reading here but is no data file.
  struct stat info {};
  if (::fstat(fd(result.handle), &info) == 0 && S_ISDIR(info.st_mode)) {
    ::close(fd(result.handle));
    return {FileHandle{}, 9};
  }
  return result;
}

OpenResult openForWriting(const std::string& path) {
  return openWith(path, O_WRONLY | O_CREAT | O_TRUNC);
}

bool namesOpenFile(FileHandle open, const std::string& path) {
  struct stat openInfo {};
  struct stat pathInfo {};
  if (::fstat(fd(open), &openInfo) != 0 || ::stat(path.c_str(), &pathInfo) != 0) return false;
  return openInfo.st_dev == pathInfo.st_dev && openInfo.st_ino == pathInfo.st_ino;
}

std::ptrdiff_t readSome(FileHandle file, char* buffer, std::size_t size) {
  ssize_t count;
  do {
    count = ::read(fd(file), buffer, size);
  } while (count < 0 && errno == EINTR);
  return count;
}

bool writeAll(FileHandle file, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t count = ::write(fd(file), bytes.data(), bytes.size());
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(count));
  }
  return true;
}

bool closeFile(FileHandle file) { return ::close(fd(file)) == 0; }

// Resolved by the name alone, like a missing file's name has to be: "." and
// ".." steps are taken lexically, symbolic links are left as they are.
std::string fullPath(const std::string& name) {
  if (name.empty()) return name;
  char directory[PATH_MAX];
  if (name.front() != '/' && ::getcwd(directory, sizeof directory) == nullptr) return name;
  const std::filesystem::path base(name.front() == '/' ? "/" : directory);
  return (base / name).lexically_normal().string();
}

std::string_view consoleLineEnd() { return "\n"; }

// Unlike the C library's system(), the program keeps its interrupt hook while
// the command runs, so that control-C ends the run then too. The command's own
// status is of no interest to the pause.
void runCommand(const std::string& commandLine) {
  posix_spawnattr_t attributes;
  ::posix_spawnattr_init(&attributes);
  // Whatever the program ignores, the command gets the usual behaviour of.
  sigset_t defaults;
  sigemptyset(&defaults);
  for (int signalNumber : ignoredSignals) sigaddset(&defaults, signalNumber);
  ::posix_spawnattr_setsigdefault(&attributes, &defaults);
  ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
  std::string shell = "sh";
  std::string option = "-c";
  std::string command = commandLine;
  char* arguments[] = {shell.data(), option.data(), command.data(), nullptr};
  pid_t child;
  if (::posix_spawn(&child, "/bin/sh", nullptr, &attributes, arguments, environ) == 0) {
    int status;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
  }
  ::posix_spawnattr_destroy(&attributes);
}

void installInterruptHandler(void (*onInterrupt)(InterruptKind)) {
  interruptCallback = onInterrupt;
  struct sigaction action {};
  action.sa_handler = onSignal;
  // One interrupt at a time: a second one waits while the first ends the process.
  sigemptyset(&action.sa_mask);
  for (int signalNumber : interruptSignals) sigaddset(&action.sa_mask, signalNumber);
  for (int signalNumber : interruptSignals) ::sigaction(signalNumber, &action, nullptr);
  for (int signalNumber : ignoredSignals) ::signal(signalNumber, SIG_IGN);
}

[[noreturn]] void exitProcess(int status) { ::_exit(status); }

}  // namespace tensor3d::platform
