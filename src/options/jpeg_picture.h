// Decoding the JPEG background pictures: bytes in, rows of RGB pixels out. The file comes from the
// data folder or beside the program, where anyone (or the update) can put one, so it is treated
// as hostile: its size and dimensions are bounded before anything is decoded, libjpeg's errors
// and warnings end the decoding instead of the process, and a picture that is not whole
// (truncated, corrupt) is refused rather than shown half grey.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace scrubwell {

struct PictureLimits {
  std::size_t maxFileBytes = 32u << 20;   // 32 MiB of JPEG data
  unsigned maxSide = 16384;               // pixels, either side
  std::uint64_t maxPixels = 16u << 20;    // 16 million pixels: 48 MiB of RGB rows
  int maxScans = 256;                     // progressive scans: a few are normal, thousands an attack
  // When set, a larger picture is decoded at 1/2, 1/4 or 1/8 of its size (libjpeg scales while
  // it decodes, which is much faster than decoding it whole) to fit within this box if it can.
  unsigned fitWidth = 0, fitHeight = 0;
};

struct RgbPicture {
  unsigned width = 0, height = 0;
  std::vector<std::uint8_t> rgb;  // width * 3 bytes per row, rows from the top, no padding
};

enum class PictureResult {
  ok,
  empty,     // no bytes
  tooLarge,  // the file, a side or the pixel count exceeds the limits
  corrupt,   // not a JPEG, or libjpeg reported an error or warning
};

// Decodes `size` bytes of JPEG data into `out`. On any result but ok, `out` is left empty.
PictureResult decodeJpeg(const std::uint8_t* data, std::size_t size, RgbPicture& out,
                         const PictureLimits& limits = {});

}  // namespace scrubwell
