#include "tiny_proxy.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QFile>
#include <chrono>
#include <thread>

namespace velmora::test {

namespace {

sockaddr_in Loopback(int port) {
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = htons(static_cast<uint16_t>(port));
  return addr;
}

// tinyproxy needs its port in advance: take one the system hands out.
int FreePort() {
  int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in addr = Loopback(0);
  socklen_t len = sizeof addr;
  int port = 0;
  if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 &&
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) == 0)
    port = ntohs(addr.sin_port);
  ::close(fd);
  return port;
}

bool Accepts(int port) {
  int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in addr = Loopback(port);
  bool connected = ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
  ::close(fd);
  return connected;
}

}  // namespace

TinyProxy::TinyProxy() : port_(FreePort()) {
  QString config = dir_.filePath(QStringLiteral("tinyproxy.conf"));
  QFile file(config);
  if (!file.open(QIODevice::WriteOnly)) return;
  file.write(("Port " + std::to_string(port_) +
              "\nListen 127.0.0.1\nAllow 127.0.0.1\nTimeout 10\nMaxClients 4\nLogLevel Critical\n")
                 .c_str());
  file.close();
  process_.start(QStringLiteral("tinyproxy"), {QStringLiteral("-d"), QStringLiteral("-c"), config});
  if (!process_.waitForStarted(5000)) return;
  auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!(ready_ = Accepts(port_)) && std::chrono::steady_clock::now() < end)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

TinyProxy::~TinyProxy() {
  process_.kill();
  process_.waitForFinished(5000);
}

std::string TinyProxy::Url() const {
  return ready_ ? "http://127.0.0.1:" + std::to_string(port_) : std::string();
}

}  // namespace velmora::test
