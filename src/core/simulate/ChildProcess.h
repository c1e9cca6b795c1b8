#pragma once
// One runner for outside programs: the arguments go to the program directly (never through a
// shell), the run ends at a time limit or when the caller cancels it, and no process of the run
// is left behind (the child and anything it started are ended as one process group).
#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace bs::simulate {

struct ProcessRequest {
  std::string program;  // a path, or a bare name looked up on PATH
  std::vector<std::string> arguments;
  std::chrono::milliseconds timeLimit{std::chrono::minutes(5)};
};

enum class ProcessEnd { Exited, Signalled, TimedOut, Cancelled };

struct ProcessResult {
  ProcessEnd end = ProcessEnd::Exited;
  int exitCode = -1;      // when Exited
  std::string errorText;  // what the program wrote to standard error (bounded)
};

// The full path of an executable file named `name` on PATH ("" when there is none). A name
// with a slash is taken as a path. An empty or unset PATH finds nothing.
std::string FindProgram(const std::string& name);

// Asked several times a second while a program runs; true ends the run.
using CancelCheck = std::function<bool()>;

// Runs the program to its end, its time limit or a cancel. Raises SimulationError when the
// program cannot be started.
ProcessResult RunProcess(const ProcessRequest& request, const CancelCheck& cancelled);

}  // namespace bs::simulate
