#!/usr/bin/env bash
# Writes the short sine-tone fixtures of the playback tests into this folder.
# Needs gst-launch-1.0 with lamemp3enc, flacenc and avenc_aac (plugins-good, libav).
set -euo pipefail
cd "$(dirname "$0")"

tone() {  # tone <tenths of a second> <rate>
  echo "audiotestsrc num-buffers=$1 samplesperbuffer=$(($2 / 10)) wave=sine freq=440 volume=0.3" \
       "! audio/x-raw,rate=$2,channels=1 ! audioconvert"
}

# The Xing header gives the exact length, so a player need not estimate it.
gst-launch-1.0 -q $(tone 25 22050) ! lamemp3enc target=bitrate bitrate=32 cbr=true ! xingmux \
  ! filesink location=tone_2500ms.mp3
gst-launch-1.0 -q $(tone 15 8000) ! flacenc ! filesink location=tone_1500ms.flac
gst-launch-1.0 -q $(tone 15 22050) ! avenc_aac bitrate=24000 ! mp4mux faststart=true \
  ! filesink location=tone_1500ms.m4a
