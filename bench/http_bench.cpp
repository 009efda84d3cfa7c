// Times WebRequest fetching a 200 MB body from a loopback server against two
// baselines measured in the same run, alternating:
//  - `curl -s -o /dev/null`, which keeps no byte of the body;
//  - the floor for WebRequest's outputs: plain libcurl filling one buffer
//    sized from Content-Length, then one copy of it (responseBody and the
//    result Text each hold the whole body).
// Prints the medians and the ratios. Usage: http_bench [runs]
#include <curl/curl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
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

bool RunCurlTool(const std::string& url) {
  const char* argv[] = {"curl", "-s", "-o", "/dev/null", url.c_str(), nullptr};
  pid_t pid = 0;
  if (posix_spawnp(&pid, "curl", nullptr, nullptr, const_cast<char**>(argv), environ) != 0)
    return false;
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

size_t Append(char* data, size_t size, size_t count, void* buffer) {
  static_cast<std::string*>(buffer)->append(data, size * count);
  return size * count;
}

// The least any engine must do to hand the body out twice.
std::pair<std::string, std::string> FetchTwoCopies(const std::string& url, std::size_t length) {
  std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
  std::string body;
  body.reserve(length);
  curl_easy_setopt(curl.get(), CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl.get(), CURLOPT_BUFFERSIZE, long{CURL_MAX_READ_SIZE});
  curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, Append);
  curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &body);
  curl_easy_perform(curl.get());
  std::string copy = body;
  return {std::move(body), std::move(copy)};
}

}  // namespace

int main(int argc, char** argv) {
  int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  const std::string body(200 << 20, 'v');
  velmora::test::LoopbackServer server(
      [&](const velmora::test::HttpRequest&, velmora::test::Connection& c) {
        c.Send("HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n");
        c.Send(body);
      });
  const std::string url = server.Url("/body");

  std::vector<double> toolSeconds, floorSeconds, engineSeconds;
  for (int i = 0; i < runs; ++i) {
    // Outputs are freed after the clock stops: that is the caller's business.
    bool toolOk = false;
    toolSeconds.push_back(SecondsOf([&] { toolOk = RunCurlTool(url); }));
    std::pair<std::string, std::string> copies;
    floorSeconds.push_back(SecondsOf([&] { copies = FetchTwoCopies(url, body.size()); }));
    velmora::WebResponse response;
    velmora::Text result;
    engineSeconds.push_back(
        SecondsOf([&] { result = velmora::WebRequest({.url = velmora::Text(url)}, response); }));
    if (!toolOk || copies.second.size() != body.size() ||
        response.responseBody.size() != body.size() ||
        result.size() != static_cast<int>(body.size())) {
      std::fprintf(stderr, "http_bench: a transfer failed\n");
      return 1;
    }
  }
  double tool = Median(toolSeconds), floor = Median(floorSeconds), engine = Median(engineSeconds);
  std::printf("200 MB body, median of %d runs\n", runs);
  std::printf("curl -s -o /dev/null          %.3f s\n", tool);
  std::printf("libcurl, one buffer + a copy  %.3f s\n", floor);
  std::printf("WebRequest                    %.3f s\n", engine);
  std::printf("ratio to curl                 %.2f (target <= 1.15)\n", engine / tool);
  std::printf("ratio to the two-output floor %.2f\n", engine / floor);
  return 0;
}
