// Repeatable test data for the archive tests: compressible text, incompressible noise and a mix.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace scrubwell::test {

inline std::vector<uint8_t> randomBytes(size_t size, uint32_t seed) {
  std::vector<uint8_t> out(size);
  uint32_t x = seed * 2654435761u + 1;
  for (auto& b : out) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    b = static_cast<uint8_t>(x >> 11);
  }
  return out;
}

inline std::vector<uint8_t> textBytes(size_t size, uint32_t seed) {
  static const char* const words[] = {"scrub ", "well ",    "backup ", "archive ", "block ",
                                      "file ",  "data\r\n", "the ",    "of ",      "and "};
  std::vector<uint8_t> out;
  out.reserve(size + 16);
  uint32_t x = seed * 2246822519u + 7;
  while (out.size() < size) {
    x = x * 1103515245u + 12345u;
    for (const char* w = words[(x >> 16) % 10]; *w; ++w) out.push_back(static_cast<uint8_t>(*w));
  }
  out.resize(size);
  return out;
}

// Half text, half noise, so a block neither shrinks much nor grows.
inline std::vector<uint8_t> mixedBytes(size_t size, uint32_t seed) {
  std::vector<uint8_t> out = textBytes(size / 2, seed);
  std::vector<uint8_t> noise = randomBytes(size - size / 2, seed);
  out.insert(out.end(), noise.begin(), noise.end());
  return out;
}

inline std::string asString(const std::vector<uint8_t>& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace scrubwell::test
