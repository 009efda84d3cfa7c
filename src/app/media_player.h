#pragma once
// The window's hidden media player "媒体播放1". Times are milliseconds.

#include "text/text.h"

namespace velmora {

class MediaPlayer {
 public:
  virtual ~MediaPlayer() = default;
  // Closes the previous medium, then opens address; returns once it is ready
  // to play (length known) or has failed. Playback does not start.
  virtual bool MediaOpen(const Text& address) = 0;
  // fromMs -1: play from the current position; otherwise seek there and play.
  virtual bool MediaPlay(int fromMs) = 0;
  // 0 when nothing is open or the length cannot be had.
  virtual int MediaLengthMs() = 0;
  int MediaLengthSeconds() { return MediaLengthMs() / 1000; }
  // -1 when nothing is open or the position cannot be had.
  virtual int MediaPosition() = 0;
};

}  // namespace velmora
