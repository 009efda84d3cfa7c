#pragma once

#include <cstdint>
#include <span>

namespace velmora {

// The PNG of the picture box: a song-page link with its number marked as the
// music ID. Built into the executable from assets/hint.png.
std::span<const std::uint8_t> HintPicturePng();

}  // namespace velmora
