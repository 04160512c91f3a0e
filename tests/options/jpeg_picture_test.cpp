// The background-picture decoder: whole pictures decode to their pixels; anything else is refused
// with a result and an empty picture, and never ends the process.
#include "options/jpeg_picture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "options/jpeg_test_picture.h"

namespace scrubwell {
namespace {

PictureResult decode(const std::vector<std::uint8_t>& bytes, RgbPicture& out,
                     const PictureLimits& limits = {}) {
  return decodeJpeg(bytes.data(), bytes.size(), out, limits);
}

TEST(JpegPicture, WholePicturesDecodeToTheirPixelsBaselineAndProgressive) {
  for (bool progressive : {false, true}) {
    RgbPicture picture;
    ASSERT_EQ(decode(test::makeJpeg(64, 48, progressive), picture), PictureResult::ok);
    EXPECT_EQ(picture.width, 64u);
    EXPECT_EQ(picture.height, 48u);
    ASSERT_EQ(picture.rgb.size(), 64u * 48u * 3u);
    // The gradient: red grows to the right, green downwards, blue stays at 128 (JPEG is lossy).
    auto at = [&](unsigned x, unsigned y, int c) { return int(picture.rgb[(y * 64 + x) * 3 + c]); };
    EXPECT_NEAR(at(0, 0, 0), 0, 8);
    EXPECT_NEAR(at(63, 0, 0), 255, 8);
    EXPECT_NEAR(at(0, 47, 1), 255, 8);
    EXPECT_NEAR(at(30, 20, 2), 128, 8);
  }
}

TEST(JpegPicture, TruncatedDamagedAndForeignBytesAreCorrupt) {
  const std::vector<std::uint8_t> whole = test::makeJpeg(64, 48);
  RgbPicture picture;
  for (std::size_t cut : {std::size_t(1), std::size_t(2), std::size_t(20), whole.size() / 2,
                          whole.size() - 2}) {
    std::vector<std::uint8_t> part(whole.begin(), whole.begin() + cut);
    EXPECT_EQ(decode(part, picture), PictureResult::corrupt) << cut;
    EXPECT_TRUE(picture.rgb.empty());
  }
  std::string text = "This is a text file that was renamed to background.jpg\r\n";
  EXPECT_EQ(decode({text.begin(), text.end()}, picture), PictureResult::corrupt);
  std::vector<std::uint8_t> damaged = whole;
  for (std::size_t i = damaged.size() / 2; i < damaged.size() / 2 + 64; ++i) damaged[i] = 0xFF;
  EXPECT_EQ(decode(damaged, picture), PictureResult::corrupt);
  EXPECT_TRUE(picture.rgb.empty());
  EXPECT_EQ(decodeJpeg(nullptr, 0, picture), PictureResult::empty);
}

// The frame header's size fields: a picture that claims a huge size is refused from its header,
// before anything of that size is allocated.
void setDimensions(std::vector<std::uint8_t>& jpeg, std::uint16_t width, std::uint16_t height) {
  for (std::size_t i = 0; i + 8 < jpeg.size(); ++i) {
    if (jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2)) {
      jpeg[i + 5] = height >> 8, jpeg[i + 6] = height & 0xFF;
      jpeg[i + 7] = width >> 8, jpeg[i + 8] = width & 0xFF;
      return;
    }
  }
  FAIL() << "no frame header";
}

TEST(JpegPicture, PicturesBeyondTheLimitsAreRefusedFromTheirHeader) {
  RgbPicture picture;
  std::vector<std::uint8_t> huge = test::makeJpeg(16, 16);
  setDimensions(huge, 65000, 65000);
  EXPECT_EQ(decode(huge, picture), PictureResult::tooLarge);

  const std::vector<std::uint8_t> jpeg = test::makeJpeg(40, 30);
  PictureLimits limits;
  limits.maxPixels = 40 * 30 - 1;
  EXPECT_EQ(decode(jpeg, picture, limits), PictureResult::tooLarge);
  limits = {};
  limits.maxSide = 39;
  EXPECT_EQ(decode(jpeg, picture, limits), PictureResult::tooLarge);
  limits = {};
  limits.maxFileBytes = jpeg.size() - 1;
  EXPECT_EQ(decode(jpeg, picture, limits), PictureResult::tooLarge);
  limits = {};
  limits.maxScans = 3;  // a simple progression has ten scans
  EXPECT_EQ(decode(test::makeJpeg(40, 30, true), picture, limits), PictureResult::tooLarge);
  EXPECT_TRUE(picture.rgb.empty());
  EXPECT_EQ(decode(jpeg, picture), PictureResult::ok);
}

TEST(JpegPicture, ALargePictureIsDecodedSmallerToFitTheBox) {
  RgbPicture picture;
  PictureLimits limits;
  limits.fitWidth = 20, limits.fitHeight = 20;
  ASSERT_EQ(decode(test::makeJpeg(64, 48), picture, limits), PictureResult::ok);
  EXPECT_EQ(picture.width, 16u);  // a quarter: half would still be 32 x 24
  EXPECT_EQ(picture.height, 12u);
  EXPECT_NEAR(int(picture.rgb[(15) * 3]), 255, 24) << "still the whole picture, right edge red";
  limits.fitWidth = 1, limits.fitHeight = 1;
  ASSERT_EQ(decode(test::makeJpeg(64, 48), picture, limits), PictureResult::ok);
  EXPECT_EQ(picture.width, 8u) << "an eighth is the smallest";
  limits.fitWidth = 64, limits.fitHeight = 48;
  ASSERT_EQ(decode(test::makeJpeg(64, 48), picture, limits), PictureResult::ok);
  EXPECT_EQ(picture.width, 64u) << "a picture that fits keeps its size";
}

}  // namespace
}  // namespace scrubwell
