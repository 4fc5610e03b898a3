// orvantis-cli as a process: started in a folder of its own with its standard streams
// where a test wants them, ended and read back.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/sim_test_support.h"

extern char** environ;

namespace orv::testing {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;

struct Outcome {
  int exitCode = -1;  // minus the signal that ended it
  std::string out, err;
};

// Where the program's standard output and error go: by default to files in its
// folder, read back by Finish.
struct Streams {
  int out = -1;           // a descriptor of the test's to give it as standard output
  int err = -1;           // the same for standard error
  bool closeOut = false;  // started with standard output closed
};

// Starts orvantis-cli in `folder`.
inline pid_t Start(const Args& args, const fs::path& folder, const Streams& streams = {}) {
  std::vector<char*> argv{const_cast<char*>(ORVANTIS_CLI)};
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  if (streams.closeOut)
    posix_spawn_file_actions_addclose(&actions, 1);
  else if (streams.out >= 0)
    posix_spawn_file_actions_adddup2(&actions, streams.out, 1);
  else
    posix_spawn_file_actions_addopen(&actions, 1, ".stdout", O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (streams.err >= 0)
    posix_spawn_file_actions_adddup2(&actions, streams.err, 2);
  else
    posix_spawn_file_actions_addopen(&actions, 2, ".stderr", O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t pid = -1;
  EXPECT_EQ(posix_spawn(&pid, ORVANTIS_CLI, &actions, nullptr, argv.data(), environ), 0);
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

// Waits for the program, at most `patience` seconds: one that is still running then
// hangs, fails the test and is killed.
inline Outcome Finish(pid_t pid, const fs::path& folder, int patience = 600) {
  int status = 0;
  pid_t ended = 0;
  for (int tries = 0; tries < patience * 100 && (ended = waitpid(pid, &status, WNOHANG)) == 0; ++tries)
    usleep(10000);
  if (ended == 0) {
    ADD_FAILURE() << "orvantis-cli did not end within " << patience << " s";
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
  }
  Outcome o;
  o.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
  o.out = ReadFile(folder / ".stdout");
  o.err = ReadFile(folder / ".stderr");
  fs::remove(folder / ".stdout");
  fs::remove(folder / ".stderr");
  return o;
}

inline Outcome RunCli(const Args& args, const fs::path& folder, const Streams& streams = {}) {
  return Finish(Start(args, folder, streams), folder);
}

// Every file of the folder but the captured output, by name.
inline std::vector<std::string> Files(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Waits until the program catches `signal` (at most ten seconds), then sends it.
inline void SendWhenCaught(pid_t pid, int signal) {
  const std::string status = "/proc/" + std::to_string(pid) + "/status";
  bool caught = false;
  for (int tries = 0; !caught && tries < 10000; ++tries) {
    std::ifstream in(status);
    std::string line;
    while (std::getline(in, line))
      if (line.rfind("SigCgt:", 0) == 0)
        caught = (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1)) & 1;
    if (!caught) usleep(1000);
  }
  kill(pid, signal);
}

// What the program writes on the terminal `master` up to its first line's end (at
// most a minute).
inline std::string FirstLineOnTerminal(int master) {
  std::string said;
  for (int tries = 0; tries < 600 && said.find('\n') == std::string::npos; ++tries) {
    pollfd p{master, POLLIN, 0};
    char buffer[256];
    if (poll(&p, 1, 100) > 0) {
      const ssize_t n = read(master, buffer, sizeof buffer);
      if (n <= 0) break;
      said.append(buffer, static_cast<std::size_t>(n));
    }
  }
  return said;
}

}  // namespace orv::testing
