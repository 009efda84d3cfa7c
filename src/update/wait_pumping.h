#pragma once
// A pause on the window's thread that keeps its events flowing.

#include <cstdint>

namespace velmora {

// The length of a pause: duration units of the given code (0 milliseconds,
// 1 seconds, 2 minutes, 3 hours, any other code: units of that many ms).
double PauseMilliseconds(std::int64_t duration, int unit);

// Waits the given time while the thread's pending events are processed, so
// handlers (even further pauses) can run inside it; each call ends on its own
// deadline, but never before a handler running inside it returns. A quit
// request that arrives meanwhile is left for the main loop. A pause of 0 ms
// or less returns at once without processing anything. Always returns true.
bool WaitPumping(std::int64_t duration, int unit = 0);

}  // namespace velmora
