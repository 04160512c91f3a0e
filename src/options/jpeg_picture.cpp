// libjpeg behind a bounded interface: its default error handler ends the process, so errors jump
// back here instead, and warnings (which libjpeg gives for truncated or damaged data while
// filling the rest with grey) count as errors.
#include "options/jpeg_picture.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>

namespace scrubwell {
namespace {

struct Failure {
  jpeg_error_mgr manager;  // first, so libjpeg's pointer to it is a pointer to this
  std::jmp_buf jump;
  PictureResult result;
  int maxScans;
};

[[noreturn]] void failOnError(j_common_ptr info) {
  auto* failure = reinterpret_cast<Failure*>(info->err);
  std::longjmp(failure->jump, 1);
}

// Trace messages (level > 0) are ignored; a warning (level -1) ends the decoding.
void failOnWarning(j_common_ptr info, int level) {
  if (level < 0) failOnError(info);
}

void quietOutput(j_common_ptr) {}

// Called between scans of a progressive picture: too many scans end the decoding.
void countScans(j_common_ptr info) {
  auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
  auto* failure = reinterpret_cast<Failure*>(info->err);
  if (decompress->input_scan_number > failure->maxScans) {
    failure->result = PictureResult::tooLarge;
    failOnError(info);
  }
}

// The part that runs under setjmp: no object with a destructor lives in this frame except
// through `out`, which belongs to the caller.
PictureResult decode(jpeg_decompress_struct& info, Failure& failure, const std::uint8_t* data,
                     std::size_t size, RgbPicture& out, const PictureLimits& limits) {
  jpeg_progress_mgr progress{};
  progress.progress_monitor = countScans;
  if (setjmp(failure.jump)) return failure.result;
  jpeg_create_decompress(&info);
  info.progress = &progress;
  info.mem->max_memory_to_use = static_cast<long>(limits.maxPixels * 4);
  jpeg_mem_src(&info, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
  jpeg_read_header(&info, TRUE);
  std::uint64_t pixels = std::uint64_t(info.image_width) * info.image_height;
  if (info.image_width == 0 || info.image_height == 0 || info.image_width > limits.maxSide ||
      info.image_height > limits.maxSide || pixels > limits.maxPixels) {
    return PictureResult::tooLarge;
  }
  info.out_color_space = JCS_RGB;
  if (limits.fitWidth > 0 && limits.fitHeight > 0) {
    unsigned denominator = 1;
    while (denominator < 8 && ((info.image_width + denominator - 1) / denominator > limits.fitWidth ||
                               (info.image_height + denominator - 1) / denominator > limits.fitHeight))
      denominator *= 2;
    info.scale_num = 1;
    info.scale_denom = denominator;
  }
  jpeg_start_decompress(&info);
  if (info.output_components != 3) return PictureResult::corrupt;
  const std::size_t rowBytes = std::size_t(info.output_width) * 3;
  out.rgb.resize(rowBytes * info.output_height);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = out.rgb.data() + rowBytes * info.output_scanline;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  out.width = info.output_width;
  out.height = info.output_height;
  return PictureResult::ok;
}

}  // namespace

PictureResult decodeJpeg(const std::uint8_t* data, std::size_t size, RgbPicture& out,
                         const PictureLimits& limits) {
  out = {};
  if (data == nullptr || size == 0) return PictureResult::empty;
  if (size > limits.maxFileBytes || size > 0xFFFFFFFFu) return PictureResult::tooLarge;
  jpeg_decompress_struct info{};
  Failure failure{};
  failure.result = PictureResult::corrupt;
  failure.maxScans = limits.maxScans;
  info.err = jpeg_std_error(&failure.manager);
  failure.manager.error_exit = failOnError;
  failure.manager.emit_message = failOnWarning;
  failure.manager.output_message = quietOutput;
  PictureResult result = decode(info, failure, data, size, out, limits);
  jpeg_destroy_decompress(&info);
  if (result != PictureResult::ok) out = {};
  return result;
}

}  // namespace scrubwell
