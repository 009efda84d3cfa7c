// WebRequest against real helpers: openssl s_server with bad certificates,
// and tinyproxy with basic authentication.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "child_process.h"
#include "http/web_request.h"
#include "loopback_server.h"
#include "text_printer.h"
#include "tiny_proxy.h"

namespace velmora {
namespace {

using test::ChildProcess;
using test::FreeLoopbackPort;
using test::LoopbackServer;

const std::string kTlsDir = VELMORA_TEST_DATA "/http/tls/";

// Every certificate error is ignored: none of these stops the request.
TEST(WebRequestTlsTest, IgnoresCertificateErrors) {
  for (const char* certificate : {"self_signed", "expired", "wrong_host"}) {
    SCOPED_TRACE(certificate);
    int port = FreeLoopbackPort();
    ChildProcess server(
        {"openssl", "s_server", "-accept", "127.0.0.1:" + std::to_string(port), "-cert",
         kTlsDir + certificate + ".pem", "-key", kTlsDir + certificate + ".key", "-www"},
        port);
    ASSERT_TRUE(server.ready());
    WebResponse response;
    Text body = WebRequest(
        {.url = Text("https://127.0.0.1:" + std::to_string(port) + "/"), .timeoutSeconds = 10},
        response);
    EXPECT_EQ(response.statusText, Text("200 ok"));  // s_server's own status line
    EXPECT_TRUE(body.view().starts_with("<HTML>")) << body.view();
  }
}

TEST(WebRequestProxyTest, PassesRequestsWithTheRightCredentialsOnly) {
  test::TinyProxy proxy("velmora", "s3cret");
  ASSERT_TRUE(proxy.ready());
  LoopbackServer server(LoopbackServer::Reply("through"));
  struct Case {
    const char *name, *user, *password;
    const char* statusText;
    int requestsReachingServer;
  } cases[] = {
      {"right credentials", "velmora", "s3cret", "200 OK", 1},
      {"wrong password", "velmora", "wrong", "401 Unauthorized", 0},  // tinyproxy's answer
      {"no credentials", "", "", "407 Proxy Authentication Required", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    int before = server.RequestCount();
    WebResponse response;
    Text body = WebRequest({.url = Text(server.Url("/via-proxy")),
                            .proxy = Text(proxy.Address()),
                            .proxyUserName = Text(c.user),
                            .proxyPassword = Text(c.password),
                            .timeoutSeconds = 10},
                           response);
    EXPECT_EQ(response.statusText, Text(c.statusText));
    EXPECT_EQ(server.RequestCount() - before, c.requestsReachingServer);
    if (c.requestsReachingServer) {
      EXPECT_EQ(body, Text("through"));
    }
  }
}

}  // namespace
}  // namespace velmora
