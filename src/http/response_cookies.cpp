#include "http/response_cookies.h"

#include "http/ascii_case.h"
#include "http/cookies.h"
#include "http/process_events.h"
#include "text/search.h"
#include "text/text_ops.h"

namespace velmora {

namespace {

// The name=value part of a Set-Cookie line.
Text CookieOf(const Text& line) {
  const Text name("Set-Cookie:");
  if (FindText(line, Text(";")) != -1) return TextBetween(line, name, Text(";"));
  // No attributes: the line less its name, wherever and in whatever case it stands.
  Bytes rest;
  int from = 1;
  int at = FindText(line, name, from, true);
  while (at != -1) {
    rest += line.view().substr(from - 1, at - from);
    from = at + name.size();
    at = FindText(line, name, from, true);
  }
  rest += BytesFrom(line, from).view();
  return Text(rest);
}

}  // namespace

void ProcessResponseHeaders(const Text& responseHeaders, const Text& sendCookies, bool mergeCookies,
                            Text& receivedCookies, Text& redirectLocation) {
  for (const Text& line : SplitText(responseHeaders, Text("\r\n"))) {
    if (TextBefore(line, Text(": ")) == Text("Set-Cookie"))
      receivedCookies += TrimBlanks(CookieOf(line)) + Text("; ");
    if (StartsWithIgnoringCase(line.view(), "Location: ")) redirectLocation = BytesFrom(line, 11);
    ProcessPendingEvents();
  }
  if (receivedCookies.view().ends_with("; "))
    receivedCookies = FirstBytes(receivedCookies, receivedCookies.size() - 2);
  if (mergeCookies && !sendCookies.empty()) {
    // A copy: the caller's sendCookies stays as it was passed.
    Text sent = sendCookies;
    receivedCookies = MergeCookies(sent, receivedCookies);
  }
}

}  // namespace velmora
