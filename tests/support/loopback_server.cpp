#include "loopback_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <random>
#include <stdexcept>

namespace velmora::test {

bool Connection::Send(std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

void Connection::Stall(int ms) const {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!stopping_ && std::chrono::steady_clock::now() < end)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

bool Connection::WaitForPeerClose(int ms) const {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  char buffer[4096];
  while (!stopping_ && std::chrono::steady_clock::now() < end) {
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, 10) > 0 && ::recv(fd_, buffer, sizeof buffer, 0) <= 0) return true;
  }
  return false;
}

static bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::string HttpRequest::Header(std::string_view name) const {
  std::size_t pos = 0;
  while (pos < headers.size()) {
    std::size_t end = headers.find("\r\n", pos);
    if (end == std::string::npos) end = headers.size();
    std::string_view lineView(headers.data() + pos, end - pos);
    std::size_t colon = lineView.find(':');
    if (colon != std::string_view::npos && EqualIgnoringCase(lineView.substr(0, colon), name)) {
      std::string_view value = lineView.substr(colon + 1);
      while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
      return std::string(value);
    }
    pos = end + 2;
  }
  return {};
}

// Drawn at random below the kernel's ephemeral range: a port that bind(0)
// hands out is soon handed out again, to another test's server, and a
// helper told to listen there would then find it taken.
int FreeLoopbackPort() {
  static std::mt19937 random(std::random_device{}());
  std::uniform_int_distribution<int> ports(20000, 32000);
  for (;;) {
    int port = ports(random);
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    bool free = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    if (free) return port;
  }
}

LoopbackServer::LoopbackServer(Handler handler, int port) : handler_(std::move(handler)) {
  listenFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  int one = 1;
  ::setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = htons(static_cast<uint16_t>(port));
  if (::bind(listenFd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
      ::listen(listenFd_, 64) != 0)
    throw std::runtime_error("loopback server: cannot listen on port " + std::to_string(port));
  socklen_t len = sizeof addr;
  ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&addr), &len);
  port_ = ntohs(addr.sin_port);
  acceptThread_ = std::thread([this] { AcceptLoop(); });
}

LoopbackServer::~LoopbackServer() {
  stopping_ = true;
  acceptThread_.join();
  ::close(listenFd_);
  std::vector<std::thread> workers;
  {
    std::lock_guard lock(mutex_);
    workers.swap(workers_);
  }
  for (auto& w : workers) w.join();
}

std::string LoopbackServer::Url(std::string_view path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

std::vector<HttpRequest> LoopbackServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

int LoopbackServer::RequestCount() const {
  std::lock_guard lock(mutex_);
  return static_cast<int>(requests_.size());
}

LoopbackServer::Handler LoopbackServer::Reply(std::string body, std::string status,
                                              std::string extraHeaders) {
  return [=](const HttpRequest&, Connection& c) {
    c.Send("HTTP/1.1 " + status + "\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n" + extraHeaders + "\r\n" + body);
  };
}

void LoopbackServer::AcceptLoop() {
  while (!stopping_) {
    pollfd p{listenFd_, POLLIN, 0};
    if (::poll(&p, 1, 20) <= 0) continue;
    int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) continue;
    std::lock_guard lock(mutex_);
    workers_.emplace_back([this, fd] { Serve(fd); });
  }
}

// Reads until the header block is complete and its Content-Length body has
// arrived, or the peer stops sending. Gives up when the server stops.
static bool ReadRequest(int fd, const std::atomic<bool>& stopping, HttpRequest& request) {
  std::string& raw = request.raw;
  char buffer[65536];
  std::size_t headerEnd = std::string::npos;
  std::size_t wanted = 0;
  while (!stopping) {
    if (headerEnd != std::string::npos && raw.size() >= wanted) break;
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 20) <= 0) continue;
    ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
    if (n <= 0) break;
    raw.append(buffer, static_cast<std::size_t>(n));
    if (headerEnd == std::string::npos && (headerEnd = raw.find("\r\n\r\n")) != std::string::npos) {
      std::size_t lineEnd = raw.find("\r\n");
      request.line = raw.substr(0, lineEnd);
      request.headers = raw.substr(lineEnd + 2, headerEnd + 2 - (lineEnd + 2));
      std::string length = request.Header("Content-Length");
      wanted = headerEnd + 4 + (length.empty() ? 0 : std::strtoul(length.c_str(), nullptr, 10));
    }
  }
  if (headerEnd == std::string::npos) return false;
  request.body = raw.substr(headerEnd + 4);
  return true;
}

void LoopbackServer::Serve(int fd) {
  HttpRequest request;
  if (ReadRequest(fd, stopping_, request)) {
    {
      std::lock_guard lock(mutex_);
      requests_.push_back(request);
    }
    Connection connection(fd, stopping_);
    handler_(request, connection);
  }
  ::shutdown(fd, SHUT_WR);
  ::close(fd);
}

}  // namespace velmora::test
