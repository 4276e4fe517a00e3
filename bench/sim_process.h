// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// dpmr-sim as a child process for the benchmarks: `count` simulated radios
// at `baud`, each reply held back `latencyMs`; their terminal paths.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

struct SimProcess {
  pid_t pid = -1;
  std::vector<std::string> paths;
  SimProcess(int count, int baud, int latencyMs) {
    int fds[2];
    if (pipe(fds) != 0) return;
    pid = fork();
    if (pid == 0) {
      dup2(fds[1], 1);
      close(fds[0]);
      const std::string b = std::to_string(baud), n = std::to_string(count), l = std::to_string(latencyMs);
      execl(DPMR_SIM_PATH, DPMR_SIM_PATH, "--baud", b.c_str(), "--count", n.c_str(), "--latency", l.c_str(),
            static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    std::string line;
    char ch;
    while (static_cast<int>(paths.size()) < count && read(fds[0], &ch, 1) == 1) {
      if (ch != '\n') {
        line += ch;
        continue;
      }
      paths.push_back(line);
      line.clear();
    }
    close(fds[0]);
  }
  ~SimProcess() {
    if (pid > 0) {
      kill(pid, SIGTERM);
      waitpid(pid, nullptr, 0);
    }
  }
  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;
};
