#pragma once
// Runs a check as an ordinary user, the way a ham runs the program: directly when the tests run
// as one, and as "nobody" in a child process when they run as root (root may write any file,
// so permission rules cannot be seen as root).
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>
#include <string>

namespace testing_support {

inline constexpr uid_t kNobody = 65534;

// The check returns "" when it holds, or what went wrong. The result is nullopt when the
// check could not be run as an ordinary user.
inline std::optional<std::string> RunUnprivileged(const std::function<std::string()>& check) {
  if (::geteuid() != 0) return check();
  int channel[2];
  if (::pipe(channel) != 0) return std::nullopt;
  const pid_t child = ::fork();
  if (child < 0) return std::nullopt;
  if (child == 0) {
    ::close(channel[0]);
    std::string result = "cannot become an ordinary user";
    if (::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0) {
      result = check();
      if (result.empty()) result = "ok";
    }
    [[maybe_unused]] const auto written = ::write(channel[1], result.data(), result.size());
    ::_exit(0);
  }
  ::close(channel[1]);
  std::string result;
  char buf[256];
  for (ssize_t n; (n = ::read(channel[0], buf, sizeof buf)) > 0;) result.append(buf, n);
  ::close(channel[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (result == "cannot become an ordinary user") return std::nullopt;
  if (result == "ok") return std::string();
  return result.empty() ? std::string("the check ended without a result") : result;
}

}  // namespace testing_support
