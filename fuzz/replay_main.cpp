// Replay driver for fuzz targets in builds without libFuzzer: feeds the target every seed file of
// the folders given on the command line, then a fixed number of repeatable mutations of them
// (bit flips, truncations, duplicated and inserted bytes), all under the build's sanitizers.
// A first argument -rounds=N sets the number of mutations (20000 without it).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
  int rounds = 20000;
  int first = 1;
  if (argc > 1 && std::strncmp(argv[1], "-rounds=", 8) == 0) {
    rounds = std::atoi(argv[1] + 8);
    first = 2;
  }
  std::vector<std::vector<uint8_t>> seeds;
  for (int i = first; i < argc; ++i) {
    std::error_code ec;
    for (const auto& e : std::filesystem::recursive_directory_iterator(argv[i], ec)) {
      if (!e.is_regular_file()) continue;
      std::ifstream in(e.path(), std::ios::binary);
      seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
  }
  if (seeds.empty()) seeds.emplace_back();
  for (const auto& s : seeds) LLVMFuzzerTestOneInput(s.data(), s.size());

  uint64_t x = 0x9E3779B97F4A7C15ull;
  auto rnd = [&x] {
    x ^= x << 13;
    x ^= x >> 7;
    x ^= x << 17;
    return x;
  };
  for (int r = 0; r < rounds; ++r) {
    std::vector<uint8_t> d = seeds[rnd() % seeds.size()];
    int edits = 1 + static_cast<int>(rnd() % 8);
    for (int k = 0; k < edits; ++k) {
      switch (rnd() % 5) {
        case 0:
          if (!d.empty()) d[rnd() % d.size()] ^= static_cast<uint8_t>(1u << (rnd() % 8));
          break;
        case 1:
          if (!d.empty()) d.resize(rnd() % d.size());
          break;
        case 2:
          if (!d.empty()) d[rnd() % d.size()] = static_cast<uint8_t>(rnd());
          break;
        case 3: {
          size_t at = d.empty() ? 0 : rnd() % (d.size() + 1);
          d.insert(d.begin() + static_cast<long>(at), static_cast<uint8_t>(rnd()));
          break;
        }
        case 4:
          if (!d.empty() && d.size() < 1 << 20) {
            size_t from = rnd() % d.size(), len = 1 + rnd() % (d.size() - from);
            std::vector<uint8_t> piece(d.begin() + static_cast<long>(from),
                                       d.begin() + static_cast<long>(from + len));
            d.insert(d.begin() + static_cast<long>(rnd() % (d.size() + 1)), piece.begin(), piece.end());
          }
          break;
      }
    }
    LLVMFuzzerTestOneInput(d.data(), d.size());
  }
  std::printf("replayed %zu seeds and %d mutations\n", seeds.size(), rounds);
  return 0;
}
