// Makes JPEG files for tests with libjpeg's own encoder.
#pragma once
#include <cstdint>
#include <vector>

namespace scrubwell::test {

// A gradient: red grows to the right, green downwards, blue is 128.
std::vector<std::uint8_t> makeJpeg(unsigned width, unsigned height, bool progressive = false);
// One colour all over.
std::vector<std::uint8_t> makeSolidJpeg(unsigned width, unsigned height, std::uint8_t red,
                                        std::uint8_t green, std::uint8_t blue);

}  // namespace scrubwell::test
