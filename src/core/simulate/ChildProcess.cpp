#include "core/simulate/ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "core/simulate/SimulationError.h"

extern char** environ;

namespace bs::simulate {
namespace {

constexpr std::size_t kMaxErrorText = 64 * 1024;
constexpr int kPollMs = 50;

bool IsExecutableFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

// The ends of a pipe, closed when they go out of scope.
struct Pipe {
  int read = -1;
  int write = -1;
  Pipe() {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0)
      throw SimulationError(std::string("Could not start a process: ") + std::strerror(errno));
    read = ends[0];
    write = ends[1];
  }
  ~Pipe() {
    CloseWrite();
    if (read >= 0) close(read);
  }
  void CloseWrite() {
    if (write >= 0) close(write);
    write = -1;
  }
};

// Spawn settings: own process group, default signals, stdin and stdout on /dev/null, stderr
// into the pipe.
struct SpawnSetup {
  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
  explicit SpawnSetup(int errorPipe) {
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, errorPipe, 2);
    posix_spawnattr_init(&attributes);
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(
        &attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  }
  ~SpawnSetup() {
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
  }
};

// Owns the running child: whatever way the run ends, its whole process group is killed and
// the child is reaped.
class RunningChild {
 public:
  explicit RunningChild(pid_t pid) : pid_(pid) {}
  RunningChild(const RunningChild&) = delete;
  RunningChild& operator=(const RunningChild&) = delete;
  ~RunningChild() {
    if (!reaped_) KillAndReap();
  }

  // True once the child has ended; it stays unreaped (a zombie) so its group id stays ours.
  bool HasEnded() const {
    siginfo_t info{};
    return waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           info.si_pid == pid_;
  }

  // Ends every process left in the group, then reaps the child; returns its wait status.
  int KillAndReap() {
    kill(-pid_, SIGKILL);
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    reaped_ = true;
    return status;
  }

 private:
  pid_t pid_;
  bool reaped_ = false;
};

// Reads what is waiting in the pipe, keeping at most kMaxErrorText; false at its end.
bool DrainInto(int fd, std::string& text) {
  char buffer[4096];
  const ssize_t n = ::read(fd, buffer, sizeof buffer);
  if (n <= 0) return n < 0 && errno == EINTR;
  const auto kept = std::min(static_cast<std::size_t>(n), kMaxErrorText - text.size());
  text.append(buffer, kept);
  return true;
}

pid_t Spawn(const std::string& path, const std::vector<std::string>& arguments, int errorPipe) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(path.c_str()));
  for (const auto& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  SpawnSetup setup(errorPipe);
  pid_t pid = 0;
  const int err =
      posix_spawn(&pid, path.c_str(), &setup.actions, &setup.attributes, argv.data(), environ);
  if (err != 0) throw SimulationError("Could not start " + path + ": " + std::strerror(err));
  return pid;
}

}  // namespace

std::string FindProgram(const std::string& name) {
  if (name.empty()) return "";
  if (name.find('/') != std::string::npos) return IsExecutableFile(name) ? name : "";
  const char* path = std::getenv("PATH");
  if (path == nullptr) return "";
  std::string dirs = path;
  std::size_t start = 0;
  while (start <= dirs.size()) {
    std::size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    const std::string dir = dirs.substr(start, end - start);
    if (!dir.empty() && IsExecutableFile(dir + "/" + name)) return dir + "/" + name;
    start = end + 1;
  }
  return "";
}

ProcessResult RunProcess(const ProcessRequest& request, const CancelCheck& cancelled) {
  const std::string path = FindProgram(request.program);
  if (path.empty()) throw SimulationError("Program not found: " + request.program);
  Pipe errors;
  RunningChild child(Spawn(path, request.arguments, errors.write));
  errors.CloseWrite();

  ProcessResult result;
  const auto deadline = std::chrono::steady_clock::now() + request.timeLimit;
  bool pipeOpen = true;
  for (;;) {
    if (cancelled && cancelled()) {
      result.end = ProcessEnd::Cancelled;
      break;
    }
    if (std::chrono::steady_clock::now() >= deadline) {
      result.end = ProcessEnd::TimedOut;
      break;
    }
    if (child.HasEnded()) break;
    if (!pipeOpen) {
      usleep(kPollMs * 1000);
      continue;
    }
    pollfd watch{errors.read, POLLIN, 0};
    if (poll(&watch, 1, kPollMs) > 0) pipeOpen = DrainInto(errors.read, result.errorText);
  }
  const int status = child.KillAndReap();
  if (result.end == ProcessEnd::Exited) {
    pollfd watch{errors.read, POLLIN, 0};
    while (pipeOpen && poll(&watch, 1, 0) > 0) pipeOpen = DrainInto(errors.read, result.errorText);
    if (WIFEXITED(status)) {
      result.exitCode = WEXITSTATUS(status);
    } else {
      result.end = ProcessEnd::Signalled;
    }
  }
  return result;
}

}  // namespace bs::simulate
