#pragma once
// MediaPlayer on a GStreamer playbin. GStreamer is initialised on the first
// open, so constructing the player adds nothing to the window's start-up.
// Use from one thread; the sound itself plays on GStreamer's threads.

#include <atomic>
#include <chrono>
#include <memory>
#include <string>

#include "app/media_player.h"

typedef struct _GstElement GstElement;

namespace velmora {

class GstMediaPlayer final : public MediaPlayer {
 public:
  // audioSink: a GStreamer description of the audio output, such as
  // "fakesink sync=true" for a silent sink that still plays in real time;
  // empty takes the desktop's default output. openBound caps each wait for a
  // medium to become ready, after an open or a seek.
  explicit GstMediaPlayer(std::string audioSink = {},
                          std::chrono::milliseconds openBound = std::chrono::seconds(10));

  // An address that starts with http:// or https:// is played as given;
  // anything else is a local file name.
  bool MediaOpen(const Text& address) override;
  bool MediaPlay(int fromMs) override;
  int MediaLengthMs() override;
  // Once the medium has played to its end, its length.
  int MediaPosition() override;

 private:
  struct PipelineDeleter {
    void operator()(GstElement* pipeline) const;
  };

  bool EnsurePipeline();
  bool WaitUntilSettled();

  std::string audioSink_;
  std::chrono::milliseconds openBound_;
  bool opened_ = false;
  // Set from GStreamer's threads when the medium has played to its end.
  std::atomic<bool> ended_{false};
  // Declared last so that it stops, and stops touching ended_, first.
  std::unique_ptr<GstElement, PipelineDeleter> playbin_;
};

}  // namespace velmora
