#pragma once
// PNG decoding on libpng, for the hint picture held in the executable.

#include <cstdint>
#include <span>
#include <vector>

namespace velmora {

struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // 8-bit RGBA rows, top to bottom
};

// Decodes a PNG of any colour type into 8-bit RGBA; an empty image when the
// data is not a readable PNG.
RgbaImage DecodePng(std::span<const std::uint8_t> png);

}  // namespace velmora
