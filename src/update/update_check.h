#pragma once
// The start-up check for a newly published version.

#include "text/text.h"
#include "update/update_ui.h"

namespace velmora {

// This program's version, set by CheckForUpdate; empty before it runs.
extern Text AppVersion;

// The file description on the update page, decoded to Text, with its last
// 3 bytes dropped and each "<br />" turned into CR LF; empty when no page
// shows one. Reads the page up to three times, pausing 200 ms with
// WaitPumping after every read that lacks the description.
Text ReadUpdateDescription(const Text& address);

// When the page at pageAddress publishes another version (a description of
// exactly three "|"-separated items: version, download page, note), tells the
// user, opens the download page and ends the program through ui. Every
// failure is silent and returns.
void CheckForUpdate(const Text& pageAddress, UpdateUi& ui);

}  // namespace velmora
