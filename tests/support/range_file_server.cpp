#include "range_file_server.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>

namespace velmora::test {
namespace {

struct ByteRange {
  std::size_t first;
  std::size_t last;  // inclusive
};

// nullopt: no usable range, serve the whole file. A range that starts past
// the end comes back with first > last.
std::optional<ByteRange> ParseRange(const std::string& header, std::size_t size) {
  long long a = -1, b = -1;
  if (std::sscanf(header.c_str(), "bytes=%lld-%lld", &a, &b) >= 1 && a >= 0) {
    std::size_t first = static_cast<std::size_t>(a);
    std::size_t last = b >= a ? static_cast<std::size_t>(b) : size - 1;
    if (first >= size) return ByteRange{1, 0};
    return ByteRange{first, std::min(last, size - 1)};
  }
  if (std::sscanf(header.c_str(), "bytes=-%lld", &b) == 1 && b > 0 && size > 0) {
    std::size_t n = std::min(static_cast<std::size_t>(b), size);
    return ByteRange{size - n, size - 1};
  }
  return std::nullopt;
}

std::string RequestPath(const std::string& requestLine) {
  std::size_t start = requestLine.find(' ');
  if (start == std::string::npos) return {};
  std::size_t end = requestLine.find(' ', start + 1);
  return requestLine.substr(start + 1, end == std::string::npos ? end : end - start - 1);
}

}  // namespace

LoopbackServer::Handler ServeFiles(std::map<std::string, ServedFile> filesByPath) {
  return [files = std::move(filesByPath)](const HttpRequest& request, Connection& c) {
    auto found = files.find(RequestPath(request.line));
    if (found == files.end()) {
      c.Send("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
      return;
    }
    const ServedFile& file = found->second;
    std::size_t size = file.bytes.size();
    std::string common =
        "Content-Type: " + file.contentType + "\r\nAccept-Ranges: bytes\r\nConnection: close\r\n";
    std::optional<ByteRange> range = ParseRange(request.Header("Range"), size);
    if (range && range->first > range->last) {
      c.Send("HTTP/1.1 416 Range Not Satisfiable\r\nContent-Range: bytes */" +
             std::to_string(size) + "\r\nContent-Length: 0\r\n" + common + "\r\n");
      return;
    }
    if (!range) {
      c.Send("HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(size) + "\r\n" + common +
             "\r\n");
      c.Send(file.bytes);
      return;
    }
    std::size_t length = range->last - range->first + 1;
    c.Send("HTTP/1.1 206 Partial Content\r\nContent-Range: bytes " + std::to_string(range->first) +
           "-" + std::to_string(range->last) + "/" + std::to_string(size) +
           "\r\nContent-Length: " + std::to_string(length) + "\r\n" + common + "\r\n");
    c.Send(std::string_view(file.bytes).substr(range->first, length));
  };
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace velmora::test
