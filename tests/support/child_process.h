#pragma once
// A helper program started by a test and ended with it: a TLS server or a
// proxy listening on a loopback port.

#include <sys/types.h>

#include <string>
#include <vector>

namespace velmora::test {

class ChildProcess {
 public:
  // Starts program (looked up in PATH) with its output discarded, and waits
  // up to 10 s until it accepts connections on 127.0.0.1:port.
  ChildProcess(const std::vector<std::string>& argv, int port);
  // Ends the program (SIGTERM, then SIGKILL) and reaps it.
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool ready() const { return ready_; }

 private:
  pid_t pid_ = -1;
  bool ready_ = false;
};

}  // namespace velmora::test
