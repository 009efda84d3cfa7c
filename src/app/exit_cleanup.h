#pragma once

namespace velmora {

// Releases the process-wide texts; registered at start-up to run once at exit.
void ExitCleanup();

}  // namespace velmora
