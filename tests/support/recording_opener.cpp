#include "recording_opener.h"

#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace velmora::test {

namespace {

constexpr char kDirectoryVariable[] = "VELMORA_TEST_OPENER_DIR";

}  // namespace

RecordingOpener::RecordingOpener() {
  if (const char* shared = std::getenv(kDirectoryVariable)) {
    directory_ = shared;
    return;
  }
  char pattern[] = "/tmp/velmora_opener_XXXXXX";
  directory_ = ::mkdtemp(pattern);
  owner_ = true;
  const std::string script = directory_ + "/xdg-open";
  // Each argument closed by a NUL, so blanks and empty arguments show.
  std::ofstream(script) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done >> '"
                        << directory_ << "/opened'\n";
  ::chmod(script.c_str(), 0700);
  oldPath_ = std::getenv("PATH") ? std::getenv("PATH") : "";
  ::setenv("PATH", (directory_ + ":" + oldPath_).c_str(), 1);
  ::setenv(kDirectoryVariable, directory_.c_str(), 1);
}

RecordingOpener::~RecordingOpener() {
  if (!owner_) return;
  ::setenv("PATH", oldPath_.c_str(), 1);
  ::unsetenv(kDirectoryVariable);
  std::error_code ignored;
  std::filesystem::remove_all(directory_, ignored);
}

std::vector<std::string> RecordingOpener::Opened(std::size_t count) const {
  std::vector<std::string> args;
  auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  do {
    std::ifstream log(directory_ + "/opened", std::ios::binary);
    std::string all((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
    args.clear();
    for (std::size_t from = 0, nul; (nul = all.find('\0', from)) != std::string::npos;
         from = nul + 1)
      args.push_back(all.substr(from, nul - from));
    if (args.size() >= count) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  } while (std::chrono::steady_clock::now() < end);
  return args;
}

}  // namespace velmora::test
