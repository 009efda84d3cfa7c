#pragma once
// The play button, the progress timer and the slider: the window's in-window
// playback, driven through WindowView and MediaPlayer so a plain fake can
// stand in for either.

#include <cstdint>

#include "app/media_player.h"
#include "app/window_view.h"
#include "text/text.h"

namespace velmora {

// Process-wide playback state. Touched only on the window's thread.
extern std::int32_t PlayLengthMs;  // length when playback was started; 0 if unknown
extern std::int32_t TotalSeconds;  // PlayLengthMs / 1000
extern Text TotalTimeText;         // TotalSeconds as "mm:ss"; empty before the first play
extern Text RemainingTimeText;     // rewritten at every tick; empty before the first

// Opens the output box's address, starts it and records its length.
void PlayOnline(WindowView& view, MediaPlayer& player);
// Moves the slider to the played percentage and writes the time read-out.
void UpdateProgress(WindowView& view, MediaPlayer& player);
// Plays from the slider's percentage of the recorded length.
void SeekToSlider(WindowView& view, MediaPlayer& player);

// "mm:ss" with minutes counting past 59; a one-byte part gets a leading "0",
// so -5 gives "00:-5".
Text SecondsToTimeText(std::int32_t seconds);

}  // namespace velmora
