#include "app/playback.h"

#include <cmath>
#include <string>

#include "text/charset.h"
#include "text/numeric.h"

namespace velmora {

std::int32_t PlayLengthMs = 0;
std::int32_t TotalSeconds = 0;
Text TotalTimeText;
Text RemainingTimeText;

void PlayOnline(WindowView& view, MediaPlayer& player) {
  Text address = view.OutputText();
  player.MediaOpen(address);
  player.MediaPlay(-1);
  PlayLengthMs = player.MediaLengthMs();
  TotalSeconds = player.MediaLengthSeconds();
  TotalTimeText = SecondsToTimeText(TotalSeconds);
}

// The arithmetic is double precision throughout: before the first play, or
// after a failed one, the length is 0 and the divisions give infinities or
// NaN, which TruncateToInt32 turns into 0.
void UpdateProgress(WindowView& view, MediaPlayer& player) {
  static const Text kCaptionPrefix = GbkText(u8"总时间:");
  static const Text kSeparator("   -  ");

  double position = player.MediaPosition();
  double percent = position / PlayLengthMs * 100;
  double fraction = percent / 100;
  double secondsNow = player.MediaLengthSeconds();
  double elapsed = fraction * secondsNow;
  std::int32_t remaining = TruncateToInt32(TotalSeconds - elapsed);
  view.SetSliderPosition(TruncateToInt32(percent));
  RemainingTimeText = SecondsToTimeText(remaining);
  view.SetTimeCaption(kCaptionPrefix + TotalTimeText + kSeparator + RemainingTimeText);
}

void SeekToSlider(WindowView& view, MediaPlayer& player) {
  double p = view.SliderPosition();
  player.MediaPlay(TruncateToInt32(p * PlayLengthMs / 100));
}

static std::string PaddedPart(std::int32_t value) {
  std::string digits = std::to_string(value);
  return digits.size() == 1 ? "0" + digits : digits;
}

Text SecondsToTimeText(std::int32_t seconds) {
  std::int32_t minutes = TruncateToInt32(seconds / 60.0);
  std::int32_t rest = TruncateToInt32(std::fmod(static_cast<double>(seconds), 60.0));
  return Text(PaddedPart(minutes) + ":" + PaddedPart(rest));
}

}  // namespace velmora
