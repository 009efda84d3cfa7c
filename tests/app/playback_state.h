#pragma once
// Puts the process-wide playback values back as the program starts, so each
// test begins from the same state.

#include "app/playback.h"

namespace velmora::test {

inline void ResetPlaybackState() {
  PlayLengthMs = 0;
  TotalSeconds = 0;
  TotalTimeText = Text();
  RemainingTimeText = Text();
}

}  // namespace velmora::test
