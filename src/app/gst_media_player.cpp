#include "app/gst_media_player.h"

#include <gst/gst.h>

#include <algorithm>
#include <limits>

#include "text/charset.h"
#include "text/search.h"

namespace velmora {
namespace {

struct GErrorDeleter {
  void operator()(GError* error) const { g_error_free(error); }
};
struct GFreeDeleter {
  void operator()(gchar* text) const { g_free(text); }
};
struct GstObjectDeleter {
  void operator()(gpointer object) const { gst_object_unref(object); }
};

// playbin's "flags": audio only, so a medium that also carries video never
// opens a window of its own.
constexpr guint kPlayFlagAudio = 1 << 1;
constexpr guint kPlayFlagSoftVolume = 1 << 4;

bool InitGStreamer() {
  static const bool initialised = gst_init_check(nullptr, nullptr, nullptr);
  return initialised;
}

// Every message is consumed here, on the thread that posts it: errors go no
// further, and nothing piles up on a bus that no one polls.
GstBusSyncReply ConsumeMessage(GstBus*, GstMessage* message, gpointer ended) {
  if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS)
    static_cast<std::atomic<bool>*>(ended)->store(true);
  gst_message_unref(message);
  return GST_BUS_DROP;
}

bool IsWebAddress(const Text& address) {
  static const Text kHttp("http://"), kHttps("https://");
  return FindText(address, kHttp, 1, true) == 1 || FindText(address, kHttps, 1, true) == 1;
}

std::string AddressToUri(const Text& address) {
  if (address.empty()) return {};
  Bytes utf8 = TextToUtf8(address);
  if (IsWebAddress(address)) return utf8;
  std::unique_ptr<gchar, GFreeDeleter> uri(gst_filename_to_uri(utf8.c_str(), nullptr));
  return uri ? std::string(uri.get()) : std::string();
}

int NanosecondsToMs(gint64 ns) {
  return static_cast<int>(std::min<gint64>(ns / GST_MSECOND, std::numeric_limits<int>::max()));
}

}  // namespace

void GstMediaPlayer::PipelineDeleter::operator()(GstElement* pipeline) const {
  gst_element_set_state(pipeline, GST_STATE_NULL);
  gst_object_unref(pipeline);
}

GstMediaPlayer::GstMediaPlayer(std::string audioSink, std::chrono::milliseconds openBound)
    : audioSink_(std::move(audioSink)), openBound_(openBound) {}

bool GstMediaPlayer::EnsurePipeline() {
  if (playbin_) return true;
  if (!InitGStreamer()) return false;
  GstElement* made = gst_element_factory_make("playbin", nullptr);
  if (!made) return false;
  std::unique_ptr<GstElement, PipelineDeleter> playbin(GST_ELEMENT(gst_object_ref_sink(made)));
  g_object_set(made, "flags", kPlayFlagAudio | kPlayFlagSoftVolume, nullptr);
  if (!audioSink_.empty()) {
    // A sink that was asked for and cannot be made must not turn into the
    // desktop's speakers: the player stays unusable instead.
    GError* rawError = nullptr;
    GstElement* madeSink = gst_parse_bin_from_description(audioSink_.c_str(), TRUE, &rawError);
    std::unique_ptr<GError, GErrorDeleter> error(rawError);
    if (!madeSink) return false;
    std::unique_ptr<GstElement, GstObjectDeleter> sink(GST_ELEMENT(gst_object_ref_sink(madeSink)));
    if (error) return false;
    g_object_set(made, "audio-sink", sink.get(), nullptr);
  }
  std::unique_ptr<GstBus, GstObjectDeleter> bus(gst_element_get_bus(made));
  gst_bus_set_sync_handler(bus.get(), ConsumeMessage, &ended_, nullptr);
  playbin_ = std::move(playbin);
  return true;
}

bool GstMediaPlayer::WaitUntilSettled() {
  auto bound = std::chrono::duration_cast<std::chrono::nanoseconds>(openBound_).count();
  GstStateChangeReturn result = gst_element_get_state(playbin_.get(), nullptr, nullptr, bound);
  return result == GST_STATE_CHANGE_SUCCESS || result == GST_STATE_CHANGE_NO_PREROLL;
}

bool GstMediaPlayer::MediaOpen(const Text& address) {
  if (!EnsurePipeline()) return false;
  gst_element_set_state(playbin_.get(), GST_STATE_NULL);
  opened_ = false;
  ended_ = false;
  std::string uri = AddressToUri(address);
  if (uri.empty()) return false;
  g_object_set(playbin_.get(), "uri", uri.c_str(), nullptr);
  // Waiting for the preroll means the length is known when this returns.
  if (gst_element_set_state(playbin_.get(), GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE ||
      !WaitUntilSettled()) {
    gst_element_set_state(playbin_.get(), GST_STATE_NULL);
    return false;
  }
  opened_ = true;
  return true;
}

bool GstMediaPlayer::MediaPlay(int fromMs) {
  if (!opened_) return false;
  if (fromMs >= 0) {
    // Cleared before the seek, so that an end reached by the seek itself counts.
    bool wasEnded = ended_.exchange(false);
    auto flags = static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE);
    if (!gst_element_seek_simple(playbin_.get(), GST_FORMAT_TIME, flags, fromMs * GST_MSECOND)) {
      ended_ = wasEnded;
      return false;
    }
    // The position cannot be queried until the flushing seek has settled.
    WaitUntilSettled();
  }
  return gst_element_set_state(playbin_.get(), GST_STATE_PLAYING) != GST_STATE_CHANGE_FAILURE;
}

int GstMediaPlayer::MediaLengthMs() {
  gint64 ns = 0;
  if (!opened_ || !gst_element_query_duration(playbin_.get(), GST_FORMAT_TIME, &ns) || ns <= 0)
    return 0;
  return NanosecondsToMs(ns);
}

int GstMediaPlayer::MediaPosition() {
  if (!opened_) return -1;
  if (ended_) {
    int length = MediaLengthMs();
    if (length > 0) return length;
  }
  gint64 ns = 0;
  if (!gst_element_query_position(playbin_.get(), GST_FORMAT_TIME, &ns) || ns < 0) return -1;
  return NanosecondsToMs(ns);
}

}  // namespace velmora
