// Times WebRequest and `curl -s -o /dev/null` fetching the same 200 MB body
// from a loopback server, alternating, and prints the medians and their ratio.
// Usage: http_bench [runs]
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "http/web_request.h"
#include "loopback_server.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

template <typename Work>
double SecondsOf(Work work) {
  Clock::time_point start = Clock::now();
  work();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

bool RunCurl(const std::string& url) {
  const char* argv[] = {"curl", "-s", "-o", "/dev/null", url.c_str(), nullptr};
  pid_t pid = 0;
  if (posix_spawnp(&pid, "curl", nullptr, nullptr, const_cast<char**>(argv), environ) != 0)
    return false;
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const std::string body(200 << 20, 'v');
  velmora::test::LoopbackServer server(
      [&](const velmora::test::HttpRequest&, velmora::test::Connection& c) {
        c.Send("HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n");
        c.Send(body);
      });
  const std::string url = server.Url("/body");

  std::vector<double> curlSeconds, engineSeconds;
  for (int i = 0; i < runs; ++i) {
    bool curlOk = false;
    curlSeconds.push_back(SecondsOf([&] { curlOk = RunCurl(url); }));
    // The outputs are freed after the clock stops: that is the caller's business.
    velmora::WebResponse response;
    velmora::Text result;
    engineSeconds.push_back(
        SecondsOf([&] { result = velmora::WebRequest({.url = velmora::Text(url)}, response); }));
    if (!curlOk || response.responseBody.size() != body.size()) {
      std::fprintf(stderr, "http_bench: a transfer failed\n");
      return 1;
    }
  }
  double curlMedian = Median(curlSeconds), engineMedian = Median(engineSeconds);
  std::printf("200 MB body, median of %d runs\n", runs);
  std::printf("curl -s -o /dev/null  %.3f s\n", curlMedian);
  std::printf("WebRequest            %.3f s\n", engineMedian);
  std::printf("ratio                 %.2f (target <= 1.15)\n", engineMedian / curlMedian);
  return 0;
}
