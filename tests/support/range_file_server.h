#pragma once
// A LoopbackServer handler that serves files from memory by path and honours
// single byte ranges ("Range: bytes=a-b", "bytes=a-", "bytes=-n") with 206
// answers, as a media player needs for seeking over HTTP.
// An unknown path gets 404, a range past the end 416.

#include <map>
#include <string>

#include "loopback_server.h"

namespace velmora::test {

struct ServedFile {
  std::string contentType;
  std::string bytes;
};

LoopbackServer::Handler ServeFiles(std::map<std::string, ServedFile> filesByPath);

// The whole content of a file, or empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);

}  // namespace velmora::test
