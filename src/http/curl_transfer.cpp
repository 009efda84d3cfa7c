#include "http/curl_transfer.h"

#include <chrono>
#include <exception>
#include <new>
#include <string_view>

namespace velmora {

namespace {

using Clock = std::chrono::steady_clock;

// Filled by the callbacks while curl works through the hops of one request.
struct TransferState {
  TransferState(CURL* handle, long stallMilliseconds)
      : curl(handle), stallLimit(stallMilliseconds) {}
  CURL* curl;
  std::chrono::milliseconds stallLimit;
  Clock::time_point lastActivity = Clock::now();
  curl_off_t uploaded = 0;
  Transfer transfer;
  bool inBlock = false;   // between a status line and its empty line
  bool interim = false;   // the block in progress is a 1xx response
  long requestsSent = 0;  // one per hop whose request went out
  long blocksDone = 0;    // one per hop whose final header block arrived
};

bool IsStatusLine(std::string_view line) { return line.starts_with("HTTP/"); }

// "HTTP/1.1 100 Continue": the digit after the first blank.
bool IsInterimStatus(std::string_view statusLine) {
  std::size_t blank = statusLine.find(' ');
  return blank != std::string_view::npos && blank + 1 < statusLine.size() &&
         statusLine[blank + 1] == '1';
}

void ReserveForContentLength(TransferState& state) {
  curl_off_t length = -1;
  curl_easy_getinfo(state.curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
  if (length <= 0) return;
  try {
    state.transfer.body.reserve(static_cast<std::size_t>(length));
  } catch (const std::exception&) {
    // A length too large to reserve: the body grows as it comes instead.
  }
}

size_t OnHeaderLine(char* data, size_t size, size_t count, void* context) {
  auto& state = *static_cast<TransferState*>(context);
  state.lastActivity = Clock::now();
  std::string_view line(data, size * count);
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  Bytes& headers = state.transfer.headers;
  try {
    if (!state.inBlock) {
      if (!IsStatusLine(line)) return size * count;
      // Each hop and each interim response starts a block of its own; only
      // the last one is the answer.
      headers.clear();
      state.transfer.body.clear();
      state.inBlock = true;
      state.interim = IsInterimStatus(line);
    }
    headers.append(line);
    headers.append("\r\n");
  } catch (const std::bad_alloc&) {
    return 0;  // curl ends the transfer with a write error
  }
  if (line.empty()) {
    state.inBlock = false;
    if (state.interim) {
      headers.clear();
    } else {
      ++state.blocksDone;
      ReserveForContentLength(state);
    }
  }
  return size * count;
}

size_t OnBodyData(char* data, size_t size, size_t count, void* context) {
  auto& state = *static_cast<TransferState*>(context);
  state.lastActivity = Clock::now();
  try {
    state.transfer.body.append(data, size * count);
  } catch (const std::bad_alloc&) {
    return 0;  // curl ends the transfer with a write error
  }
  return size * count;
}

int OnRequestReady(void* context, char*, char*, int, int) {
  auto& state = *static_cast<TransferState*>(context);
  ++state.requestsSent;
  state.lastActivity = Clock::now();
  return CURL_PREREQFUNC_OK;
}

// curl calls this at least once a second. A stall counts from the last byte
// that moved, not from the start, so a long but steady transfer never ends
// early. Connecting is bounded by curl's connect time-out instead.
int OnProgress(void* context, curl_off_t, curl_off_t, curl_off_t, curl_off_t uploaded) {
  auto& state = *static_cast<TransferState*>(context);
  Clock::time_point now = Clock::now();
  if (uploaded != state.uploaded) {
    state.uploaded = uploaded;
    state.lastActivity = now;
  }
  bool stalled = state.requestsSent > 0 && now - state.lastActivity > state.stallLimit;
  return stalled ? 1 : 0;  // non-zero ends the transfer
}

TransferOutcome Outcome(CURLcode code, const TransferState& state) {
  if (code == CURLE_URL_MALFORMAT) return TransferOutcome::kBadAddress;
  if (code == CURLE_TOO_MANY_REDIRECTS) return TransferOutcome::kNoAnswer;
  // Counted per hop: a failure on a redirect target is judged by what that
  // hop got, not by the complete answer of the hop before it.
  long hop = 0;
  curl_easy_getinfo(state.curl, CURLINFO_REDIRECT_COUNT, &hop);
  if (state.blocksDone > hop) {
    return code == CURLE_OK ? TransferOutcome::kComplete : TransferOutcome::kBodyBroken;
  }
  return state.requestsSent > hop ? TransferOutcome::kNoAnswer : TransferOutcome::kNotSent;
}

}  // namespace

Transfer RunTransfer(CURL* curl, long stallMilliseconds) {
  TransferState state(curl, stallMilliseconds);
  curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, OnHeaderLine);
  curl_easy_setopt(curl, CURLOPT_HEADERDATA, &state);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, OnBodyData);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &state);
  curl_easy_setopt(curl, CURLOPT_PREREQFUNCTION, OnRequestReady);
  curl_easy_setopt(curl, CURLOPT_PREREQDATA, &state);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, OnProgress);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &state);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  // A proxy's answer to CONNECT is no hop of the request's own.
  curl_easy_setopt(curl, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
  CURLcode code = curl_easy_perform(curl);
  state.transfer.outcome = Outcome(code, state);
  return std::move(state.transfer);
}

}  // namespace velmora
