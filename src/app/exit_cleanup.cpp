#include "app/exit_cleanup.h"

#include "app/playback.h"
#include "update/update_check.h"

namespace velmora {

void ExitCleanup() {
  RemainingTimeText = Text();
  TotalTimeText = Text();
  AppVersion = Text();
}

}  // namespace velmora
