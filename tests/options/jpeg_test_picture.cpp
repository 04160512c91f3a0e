#include "options/jpeg_test_picture.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace scrubwell::test {

namespace {

// Encodes rows made by `fill(row, y)` (width * 3 bytes each).
template <typename Fill>
std::vector<std::uint8_t> encode(unsigned width, unsigned height, bool progressive, Fill fill) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = width;
  info.image_height = height;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  if (progressive) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  std::vector<std::uint8_t> row(std::size_t(width) * 3);
  while (info.next_scanline < height) {
    fill(row, info.next_scanline);
    JSAMPROW p = row.data();
    jpeg_write_scanlines(&info, &p, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<std::uint8_t> bytes(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return bytes;
}

}  // namespace

std::vector<std::uint8_t> makeJpeg(unsigned width, unsigned height, bool progressive) {
  return encode(width, height, progressive, [&](std::vector<std::uint8_t>& row, unsigned y) {
    for (unsigned x = 0; x < width; ++x) {
      row[x * 3] = static_cast<std::uint8_t>(x * 255 / (width > 1 ? width - 1 : 1));
      row[x * 3 + 1] = static_cast<std::uint8_t>(y * 255 / (height > 1 ? height - 1 : 1));
      row[x * 3 + 2] = 128;
    }
  });
}

std::vector<std::uint8_t> makeSolidJpeg(unsigned width, unsigned height, std::uint8_t red,
                                        std::uint8_t green, std::uint8_t blue) {
  return encode(width, height, false, [&](std::vector<std::uint8_t>& row, unsigned) {
    for (unsigned x = 0; x < width; ++x) row[x * 3] = red, row[x * 3 + 1] = green, row[x * 3 + 2] = blue;
  });
}

}  // namespace scrubwell::test
