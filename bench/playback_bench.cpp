// Time to the position first passing 0, for an MP3 served on loopback:
// Velmora's player against gst-launch-1.0 playbin. Each run is a fresh
// process that opens the address and plays it; it is timed from its start to
// the line it prints when the sound starts, then killed, so that neither side
// pays for its tear-down. The two alternate within one run; the medians and
// their ratio are printed.
//
// Usage: playback_bench [runs]   (playback_bench --probe <url> is one run of ours)

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "app/gst_media_player.h"
#include "range_file_server.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr const char* kSilentSink = "fakesink sync=true";

struct Contender {
  std::vector<std::string> args;
  std::string marker;  // what its output holds once the sound has started
};

// Ours: open, play, and say so once the position passes 0.
int Probe(const char* url) {
  velmora::GstMediaPlayer player(kSilentSink);
  if (!player.MediaOpen(velmora::Text(url)) || !player.MediaPlay(-1)) return 1;
  for (auto end = Clock::now() + 10s; Clock::now() < end; std::this_thread::sleep_for(1ms)) {
    if (player.MediaPosition() > 0) {
      std::puts("playing");
      std::fflush(stdout);
      std::this_thread::sleep_for(10s);  // the bench kills it
      return 0;
    }
  }
  return 1;
}

// Milliseconds from the start of the process to its marker, or -1 when the
// marker does not come within the bound.
double TimeToMarker(Contender contender) {
  std::vector<char*> argv;
  for (std::string& a : contender.args) argv.push_back(a.data());
  argv.push_back(nullptr);
  int out[2];
  if (pipe(out) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  auto start = Clock::now();
  pid_t pid;
  int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  double elapsedMs = -1;
  std::string output;
  for (auto end = start + 20s; spawned == 0 && Clock::now() < end;) {
    pollfd p{out[0], POLLIN, 0};
    if (poll(&p, 1, 100) <= 0) continue;
    char buffer[4096];
    ssize_t n = read(out[0], buffer, sizeof buffer);
    if (n <= 0) break;
    output.append(buffer, static_cast<std::size_t>(n));
    if (output.find(contender.marker) != std::string::npos) {
      elapsedMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
      break;
    }
  }
  close(out[0]);
  if (spawned == 0) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
  }
  return elapsedMs;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--probe") return Probe(argv[2]);
  int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;

  std::string mp3 = velmora::test::ReadFileBytes(VELMORA_TEST_DATA "/tone_2500ms.mp3");
  if (mp3.empty()) return 1;
  velmora::test::LoopbackServer server(
      velmora::test::ServeFiles({{"/tone.mp3", {"audio/mpeg", mp3}}}));
  std::string url = server.Url("/tone.mp3");

  // gst-launch reports each buffer its sink renders; with sync on, the first
  // is rendered when the position starts to run.
  Contender baseline{{"gst-launch-1.0", "-v", "playbin", "uri=" + url,
                      "audio-sink=fakesink sync=true silent=false"},
                     "last-message = chain"};
  Contender ours{{"/proc/self/exe", "--probe", url}, "playing"};
  std::vector<double> oursMs, baselineMs;
  for (int i = 0; i < runs; ++i) {
    double o = TimeToMarker(ours), b = TimeToMarker(baseline);
    if (o < 0 || b < 0) {
      std::fprintf(stderr, "playback bench: a run failed (velmora %.1f, gst-launch %.1f)\n", o, b);
      return 1;
    }
    oursMs.push_back(o);
    baselineMs.push_back(b);
  }
  double o = Median(oursMs), b = Median(baselineMs);
  std::printf("play to first position  velmora %.1fms  gst-launch playbin %.1fms", o, b);
  std::printf("  ratio %.2f  (target <= 1.2)\n", o / b);
  return 0;
}
