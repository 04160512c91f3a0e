// Makes JPEG files for tests with libjpeg's own encoder: a gradient of the given size.
#pragma once
#include <cstdint>
#include <vector>

namespace scrubwell::test {

std::vector<std::uint8_t> makeJpeg(unsigned width, unsigned height, bool progressive = false);

}  // namespace scrubwell::test
