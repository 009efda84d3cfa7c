#pragma once
// A real HTTP proxy (tinyproxy) on 127.0.0.1 for the length of a test. It
// marks what it forwards with a "Via" header naming itself.

#include <optional>
#include <string>

#include "child_process.h"
#include "loopback_server.h"

namespace velmora::test {

class TinyProxy {
 public:
  // With a user, the proxy asks for basic authentication.
  explicit TinyProxy(const std::string& user = {}, const std::string& password = {});
  ~TinyProxy();
  TinyProxy(const TinyProxy&) = delete;
  TinyProxy& operator=(const TinyProxy&) = delete;

  bool ready() const { return process_ && process_->ready(); }
  std::string Address() const { return "127.0.0.1:" + std::to_string(port_); }
  // Empty when tinyproxy did not come up.
  std::string Url() const { return ready() ? "http://" + Address() : std::string(); }

 private:
  int port_;
  std::string configPath_;
  std::optional<ChildProcess> process_;
};

}  // namespace velmora::test
