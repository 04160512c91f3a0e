// Fuzz target: the background-picture decoder on any bytes, with limits small enough that a
// hostile header cannot make the run slow, and the result checked against what it claims.
#include <cstddef>
#include <cstdint>

#include "options/jpeg_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  scrubwell::PictureLimits limits;
  limits.maxPixels = 1u << 20;
  limits.maxScans = 64;
  scrubwell::RgbPicture picture;
  auto result = scrubwell::decodeJpeg(data, size, picture, limits);
  bool consistent = result == scrubwell::PictureResult::ok
                        ? picture.rgb.size() == std::size_t(picture.width) * picture.height * 3
                        : picture.rgb.empty() && picture.width == 0;
  if (!consistent) __builtin_trap();
  return 0;
}
