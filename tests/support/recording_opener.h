#pragma once
// An xdg-open first on PATH that records its arguments instead of opening
// anything. A death test's child process, started with the parent's
// environment, finds the parent's opener and records into the same log.

#include <string>
#include <vector>

namespace velmora::test {

class RecordingOpener {
 public:
  RecordingOpener();
  ~RecordingOpener();
  RecordingOpener(const RecordingOpener&) = delete;
  RecordingOpener& operator=(const RecordingOpener&) = delete;

  // The directory to put first on a child's PATH.
  const std::string& directory() const { return directory_; }
  // The arguments of every run so far, waiting up to 5 s until there are count.
  std::vector<std::string> Opened(std::size_t count) const;

 private:
  std::string directory_;
  std::string oldPath_;
  bool owner_ = false;
};

}  // namespace velmora::test
