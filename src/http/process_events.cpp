#include "http/process_events.h"

#include <utility>

namespace velmora {

namespace {
std::function<void()>& Hook() {
  static std::function<void()> hook;
  return hook;
}
}  // namespace

void SetProcessEventsHook(std::function<void()> hook) { Hook() = std::move(hook); }

void ProcessPendingEvents() {
  // A copy, so that a handler that replaces the hook does not destroy the
  // function that is running it.
  if (std::function<void()> hook = Hook()) hook();
}

}  // namespace velmora
