#pragma once
// The request engine lets the application process its pending events while
// it works through an answer. The engine knows no toolkit: the application
// installs the operation here; until then it does nothing.

#include <functional>

namespace velmora {

// Replaces the operation; an empty function restores the default.
void SetProcessEventsHook(std::function<void()> hook);

// Runs the installed operation. It may run other handlers, including a
// nested WebRequest.
void ProcessPendingEvents();

}  // namespace velmora
