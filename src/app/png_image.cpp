#include "app/png_image.h"

#include <png.h>

namespace velmora {

RgbaImage DecodePng(std::span<const std::uint8_t> png) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) return {};
  image.format = PNG_FORMAT_RGBA;
  RgbaImage out;
  out.width = static_cast<int>(image.width);
  out.height = static_cast<int>(image.height);
  out.pixels.resize(PNG_IMAGE_SIZE(image));
  // finish_read frees libpng's state on success and on failure alike.
  if (!png_image_finish_read(&image, nullptr, out.pixels.data(), 0, nullptr)) return {};
  return out;
}

}  // namespace velmora
