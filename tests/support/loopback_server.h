#pragma once
// A scriptable HTTP server on 127.0.0.1 with real sockets, for tests.
//
// Each connection is served on its own thread: the server reads one request
// (the header block and a Content-Length body), records its raw bytes, and
// hands it to the test's handler, which writes whatever raw bytes it wants.
// The connection closes when the handler returns. Keep-alive is not offered.

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace velmora::test {

class Connection {
 public:
  explicit Connection(int fd, const std::atomic<bool>& stopping) : fd_(fd), stopping_(stopping) {}
  // Sends all bytes; false once the peer has gone.
  bool Send(std::string_view bytes);
  // True once the server is shutting down; a handler that stalls should poll it.
  bool Stopping() const { return stopping_; }
  // Sleeps up to ms, waking early when the server stops.
  void Stall(int ms) const;
  // Waits up to ms for the peer to close or reset the connection, discarding
  // whatever it sends meanwhile; true when it did.
  bool WaitForPeerClose(int ms) const;

 private:
  int fd_;
  const std::atomic<bool>& stopping_;
};

struct HttpRequest {
  std::string raw;      // everything received, byte for byte
  std::string line;     // the request line without CRLF
  std::string headers;  // header lines after the request line, each ending in CRLF
  std::string body;
  std::string Header(std::string_view name) const;  // first value, name ignoring case
};

// A loopback port that nothing listens on at the moment of asking: a
// connection to it is refused, and a helper program can be told to listen there.
int FreeLoopbackPort();

class LoopbackServer {
 public:
  using Handler = std::function<void(const HttpRequest&, Connection&)>;

  explicit LoopbackServer(Handler handler, int port = 0);
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  int port() const { return port_; }
  std::string Url(std::string_view path = "/") const;
  std::vector<HttpRequest> Requests() const;
  int RequestCount() const;

  // A handler that answers every request with the same status and body.
  static Handler Reply(std::string body, std::string status = "200 OK",
                       std::string extraHeaders = "");

 private:
  void AcceptLoop();
  void Serve(int fd);

  Handler handler_;
  int listenFd_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  mutable std::mutex mutex_;
  std::vector<HttpRequest> requests_;
  std::vector<std::thread> workers_;
  std::thread acceptThread_;
};

}  // namespace velmora::test
