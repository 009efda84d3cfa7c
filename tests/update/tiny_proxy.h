#pragma once
// A real HTTP proxy (tinyproxy) on 127.0.0.1 for the length of a test. It
// marks what it forwards with a "Via" header naming itself.

#include <QProcess>
#include <QTemporaryDir>
#include <string>

namespace velmora::test {

class TinyProxy {
 public:
  TinyProxy();
  ~TinyProxy();
  TinyProxy(const TinyProxy&) = delete;
  TinyProxy& operator=(const TinyProxy&) = delete;
  // Empty when tinyproxy did not come up within a few seconds.
  std::string Url() const;

 private:
  QTemporaryDir dir_;
  QProcess process_;
  int port_ = 0;
  bool ready_ = false;
};

}  // namespace velmora::test
