#include "update/http_read.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <atomic>
#include <cstdlib>
#include <string>

#include "loopback_server.h"
#include "proxy_environment.h"
#include "tiny_proxy.h"

namespace velmora {
namespace {

using test::Connection;
using test::HttpRequest;
using test::LoopbackServer;
using namespace std::string_literals;

class HttpReadTest : public ::testing::Test {
 protected:
  void SetUp() override { test::ClearProxyEnvironment(); }
};

int CountOf(const std::string& text, const std::string& part) {
  int count = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

TEST_F(HttpReadTest, SendsAPlainHttp10GetWithoutTheFragment) {
  LoopbackServer server(LoopbackServer::Reply("page"));
  EXPECT_EQ(HttpRead(Text(server.Url("/file/velmora?lang=zh#description"))), "page");
  std::vector<HttpRequest> requests = server.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].line, "GET /file/velmora?lang=zh HTTP/1.0");
  EXPECT_EQ(requests[0].Header("User-Agent"), "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)");
  EXPECT_EQ(requests[0].Header("Accept"), "*/*");
  EXPECT_EQ(CountOf(requests[0].headers, "Accept:"), 1) << requests[0].headers;
}

TEST_F(HttpReadTest, ReturnsTheBodyWhateverTheStatusAndWhatArrivedBeforeABreak) {
  struct Case {
    const char* name;
    std::string answer;
    std::string body;
  } cases[] = {
      {"200", "HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\npage", "page"},
      {"404 error page", "HTTP/1.1 404 Not Found\r\nContent-Length: 7\r\n\r\nmissing", "missing"},
      {"503 without length", "HTTP/1.0 503 Busy\r\n\r\ntry later", "try later"},
      {"zero bytes kept", "HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\na\0b"s, "a\0b"s},
      {"connection closed mid-body", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\npart", "part"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LoopbackServer server(
        [&](const HttpRequest&, Connection& connection) { connection.Send(c.answer); });
    EXPECT_EQ(HttpRead(Text(server.Url())), c.body);
  }
}

TEST_F(HttpReadTest, GivesNothingWhenTheReadCannotStart) {
  QTemporaryDir dir;
  QString localFile = dir.filePath(QStringLiteral("secret.txt"));
  QFile file(localFile);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("local contents");
  file.close();
  LoopbackServer server(LoopbackServer::Reply("page"));
  std::string port = std::to_string(server.port());
  struct Case {
    const char* name;
    std::string address;
  } cases[] = {
      {"refused connection", "http://127.0.0.1:" + std::to_string(test::FreeLoopbackPort()) + "/"},
      {"blank in the address", "http://127.0.0.1:" + port + "/a b"},
      {"empty address", ""},
      {"local file", "file://" + localFile.toStdString()},
      {"another protocol", "ftp://127.0.0.1:" + port + "/"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(HttpRead(Text(c.address)), "");
  }
  EXPECT_EQ(server.RequestCount(), 0);
}

TEST_F(HttpReadTest, FollowsRedirectsOnlyToWebPagesAndOnlySoFar) {
  LoopbackServer server([](const HttpRequest& request, Connection& c) {
    auto redirect = [&](const std::string& to) {
      // The server closes each connection, and says so: curl must not reuse it.
      c.Send("HTTP/1.1 302 Found\r\nLocation: " + to +
             "\r\nContent-Length: 5\r\nConnection: close\r\n\r\nmoved");
    };
    if (request.line == "GET /old HTTP/1.0") redirect("/new");
    if (request.line == "GET /new HTTP/1.0") c.Send("HTTP/1.1 200 OK\r\n\r\nnew page");
    if (request.line == "GET /loop HTTP/1.0") redirect("/loop");
    if (request.line == "GET /to-file HTTP/1.0") redirect("file:///etc/hostname");
  });
  EXPECT_EQ(HttpRead(Text(server.Url("/old"))), "new page");
  EXPECT_EQ(server.RequestCount(), 2);
  EXPECT_EQ(HttpRead(Text(server.Url("/loop"))), "");
  EXPECT_EQ(server.RequestCount(), 2 + 11);  // the first read and ten redirects
  EXPECT_EQ(HttpRead(Text(server.Url("/to-file"))), "");
}

// The read blocks the window, so a server that stops sending must be given
// up on rather than waited for.
TEST_F(HttpReadTest, AbandonsAStalledServerKeepingWhatArrived) {
  struct Case {
    const char* name;
    std::string sentBeforeStall;
    std::string body;
  } cases[] = {
      {"silent after connect", "", ""},
      {"stalled mid-body", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\npart", "part"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::atomic<bool> abandoned{false};
    {
      LoopbackServer server([&](const HttpRequest&, Connection& connection) {
        connection.Send(c.sentBeforeStall);
        abandoned = connection.WaitForPeerClose(20000);
      });
      EXPECT_EQ(HttpRead(Text(server.Url())), c.body);
    }
    EXPECT_TRUE(abandoned);
  }
}

TEST_F(HttpReadTest, GivesUpOnAServerThatTricklesForever) {
  std::atomic<bool> abandoned{false};
  Bytes body;
  {
    LoopbackServer server([&](const HttpRequest&, Connection& c) {
      c.Send("HTTP/1.1 200 OK\r\n\r\n");
      for (int i = 0; i < 100 && !abandoned; ++i)
        abandoned = !c.Send("x") || c.WaitForPeerClose(500);
    });
    body = HttpRead(Text(server.Url()));
  }
  EXPECT_TRUE(abandoned);
  EXPECT_FALSE(body.empty());
  EXPECT_EQ(body.find_first_not_of('x'), std::string::npos);
}

TEST_F(HttpReadTest, RefusesACertificateTheSystemDoesNotTrust) {
  const QString tls = QStringLiteral(TLS_FIXTURES);
  QProcess server;
  server.start(QStringLiteral("openssl"),
               {"s_server", "-accept", "127.0.0.1:0", "-naccept", "1", "-www", "-cert",
                tls + "/self_signed.pem", "-key", tls + "/self_signed.key"});
  const std::string listening = "ACCEPT 127.0.0.1:";
  std::string output;
  for (int i = 0; i < 50 && output.find(listening) == std::string::npos; ++i) {
    server.waitForReadyRead(100);
    output += server.readAllStandardOutput().toStdString();
  }
  ASSERT_NE(output.find(listening), std::string::npos) << output;
  int port = std::atoi(output.c_str() + output.find(listening) + listening.size());

  EXPECT_EQ(HttpRead(Text("https://127.0.0.1:" + std::to_string(port) + "/")), "");
  // The handshake did take place: the client turned the certificate down.
  ASSERT_TRUE(server.waitForFinished(10000));
  EXPECT_NE(server.readAllStandardError().toStdString().find("unknown ca"), std::string::npos);
}

TEST_F(HttpReadTest, GoesThroughTheProxyOfTheEnvironment) {
  LoopbackServer origin(LoopbackServer::Reply("via proxy"));
  test::TinyProxy proxy;
  ASSERT_FALSE(proxy.Url().empty()) << "tinyproxy did not start";
  ::setenv("http_proxy", proxy.Url().c_str(), 1);
  EXPECT_EQ(HttpRead(Text(origin.Url("/page"))), "via proxy");
  ::unsetenv("http_proxy");
  std::vector<HttpRequest> requests = origin.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_NE(requests[0].Header("Via").find("tinyproxy"), std::string::npos) << requests[0].raw;
}

}  // namespace
}  // namespace velmora
