// Benchmark of the backup archive: backs up and restores about 256 MiB of mixed files (half
// compressible text, half noise) with TBackupFile at clMax and prints MB/s next to plain zlib
// level-9 deflate and inflate of the same files in the same run. Plain zlib packs each file as one
// stream into one file and unpacks them again, reading and writing in whole files; its figures
// are given with that file work and for the zlib calls alone.
// Run: tools/wine-run build/<windows build>/bench/backup/backup_bench.exe [MiB] [rounds] [folder]
#include <windows.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "backup/backup_file.h"

using namespace scrubwell;

namespace {

// Processor time of this process (user and kernel), which a busy machine disturbs less than
// the wall clock.
double cpuSeconds() {
  FILETIME created, ended, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
  auto value = [](FILETIME t) {
    return (ULONGLONG(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 1e7;
  };
  return value(kernel) + value(user);
}

double seconds() {
  LARGE_INTEGER f, t;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t);
  return double(t.QuadPart) / double(f.QuadPart);
}

// Log-like text (about 3:1 with zlib) or noise.
std::vector<uint8_t> content(size_t size, uint32_t seed, bool text) {
  static const char* const syllables[] = {"ka", "lo", "mi", "ne", "ru", "sa",  "ti",   "vo",
                                          "ex", "an", "de", "ho", "pu", "qui", "ster", "ing"};
  std::vector<uint8_t> out;
  out.reserve(size + 128);
  uint32_t x = seed * 2654435761u + 1;
  auto next = [&x] {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    return x;
  };
  char line[160];
  while (out.size() < size) {
    if (!text) {
      uint32_t v = next();
      for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
      continue;
    }
    uint32_t v = next(), w = next();
    int n = std::snprintf(line, sizeof line, "2024-%02u-%02u %02u:%02u:%02u.%03u %s [%s%s] ",
                          v % 12 + 1, v % 28 + 1, w % 24, w % 60, (w >> 8) % 60, (v >> 8) % 1000,
                          v % 7 ? "INFO" : "WARN", syllables[w % 16], syllables[(w >> 4) % 16]);
    for (int k = 0; k < 4 + int(v % 6); ++k) {
      uint32_t u = next();
      n += std::snprintf(line + n, sizeof line - size_t(n), "%s%s%s ", syllables[u % 16],
                         syllables[(u >> 4) % 16], u % 3 ? "" : syllables[(u >> 8) % 16]);
    }
    n += std::snprintf(line + n, sizeof line - size_t(n), "%u ms\r\n", next() % 5000);
    out.insert(out.end(), line, line + n);
  }
  out.resize(size);
  return out;
}

// Whole files in pieces of 1 MiB (Wine handles very large single reads and writes slowly).
const size_t kPiece = 1 << 20;

bool writePieces(HANDLE h, const uint8_t* from, size_t size) {
  for (size_t at = 0; at < size; at += kPiece) {
    DWORD want = DWORD(std::min(kPiece, size - at)), n = 0;
    if (!WriteFile(h, from + at, want, &n, nullptr) || n != want) return false;
  }
  return true;
}

bool readPieces(HANDLE h, uint8_t* to, size_t size) {
  for (size_t at = 0; at < size; at += kPiece) {
    DWORD want = DWORD(std::min(kPiece, size - at)), n = 0;
    if (!ReadFile(h, to + at, want, &n, nullptr) || n != want) return false;
  }
  return true;
}

bool writeAll(const std::string& path, const uint8_t* data, size_t size) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  bool ok = writePieces(h, data, size);
  CloseHandle(h);
  return ok;
}

// Reads a whole file into `data` (grown as needed); its size, or -1.
int64_t readAll(const std::string& path, std::vector<uint8_t>& data) {
  HANDLE h =
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return -1;
  size_t size = GetFileSize(h, nullptr);
  if (data.size() < size) data.resize(size);
  bool ok = readPieces(h, data.data(), size);
  CloseHandle(h);
  return ok ? int64_t(size) : -1;
}

struct PlainTimes {
  double zlibDeflate = 0, zlibInflate = 0;  // the zlib calls alone
  double deflate = 0, inflate = 0;          // with reading and writing the files
  double deflateCpu = 0, inflateCpu = 0;    // the same in processor time
  size_t compressed = 0;
};

// Plain zlib, file to file: each source file read whole and packed as one level-9 stream into one
// output file; then each stream read back, inflated and written as a file of its own. Buffers are
// allocated once, before the clock starts.
bool plainZlib(const std::vector<std::string>& sources, size_t largest,
               const std::string& packedName, const std::string& outFolder, PlainTimes& times) {
  std::vector<uint8_t> data(largest), packed(deflateBound(nullptr, uLong(largest)) + 64);
  std::vector<size_t> sizes, packedSizes;
  double t0 = seconds(), c0 = cpuSeconds();
  HANDLE out =
      CreateFileA(packedName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  for (const auto& name : sources) {
    int64_t size = readAll(name, data);
    if (size < 0) return false;
    double z0 = seconds();
    z_stream d{};
    deflateInit2(&d, 9, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY);
    d.next_in = data.data();
    d.avail_in = uInt(size);
    d.next_out = packed.data();
    d.avail_out = uInt(packed.size());
    bool ok = deflate(&d, Z_FINISH) == Z_STREAM_END;
    deflateEnd(&d);
    times.zlibDeflate += seconds() - z0;
    if (!ok || !writePieces(out, packed.data(), d.total_out)) return false;
    sizes.push_back(size_t(size));
    packedSizes.push_back(d.total_out);
    times.compressed += d.total_out;
  }
  CloseHandle(out);
  double t1 = seconds(), c1 = cpuSeconds();
  HANDLE in = CreateFileA(packedName.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  for (size_t i = 0; i < sources.size(); ++i) {
    if (!readPieces(in, packed.data(), packedSizes[i])) return false;
    double z0 = seconds();
    z_stream f{};
    inflateInit2(&f, 15);
    f.next_in = packed.data();
    f.avail_in = uInt(packedSizes[i]);
    f.next_out = data.data();
    f.avail_out = uInt(sizes[i]);
    bool ok = inflate(&f, Z_FINISH) == Z_STREAM_END;
    inflateEnd(&f);
    times.zlibInflate += seconds() - z0;
    if (!ok || !writeAll(outFolder + "p" + std::to_string(i), data.data(), sizes[i])) return false;
  }
  CloseHandle(in);
  double t2 = seconds(), c2 = cpuSeconds();
  times.deflate = t1 - t0;
  times.inflate = t2 - t1;
  times.deflateCpu = c1 - c0;
  times.inflateCpu = c2 - c1;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const size_t totalMiB = argc > 1 ? size_t(std::atoi(argv[1])) : 256;
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
  const std::string root = argc > 3 ? argv[3] : "D:\\backup-bench\\";
  const std::string data = root + "data\\", restored = root + "restored\\",
                    plainOut = root + "plain\\";
  for (const auto& folder : {root, data, plainOut}) CreateDirectoryA(folder.c_str(), nullptr);

  // Files of 64 KiB to 8 MiB, text and noise alternating, about totalMiB in all.
  const size_t sizes[] = {65536, 1 << 20, 3 << 20, (4 << 20) + 17, 8 << 20, 300000, 2 << 20};
  std::vector<std::string> names;
  size_t total = 0;
  for (uint32_t n = 0; total < totalMiB << 20; ++n) {
    size_t size = sizes[n % 7];
    std::string name = data + "file" + std::to_string(n) + (n % 2 ? ".bin" : ".txt");
    std::vector<uint8_t> bytes = content(size, n, n % 2 == 0);
    if (!writeAll(name, bytes.data(), bytes.size())) {
      std::printf("cannot write %s\n", name.c_str());
      return 1;
    }
    names.push_back(name);
    total += size;
  }
  const double mb = double(total) / 1e6;

  // The machine may be shared: each figure is the best of `rounds` runs.
  PlainTimes plain{1e9, 1e9, 1e9, 1e9, 1e9, 1e9, 0};
  double backupTime = 1e9, restoreTime = 1e9, backupCpu = 1e9, restoreCpu = 1e9;
  int64_t archiveBytes = 0;
  bool backedUp = true, restoredOk = true;
  TBackupFile archive;
  archive.CompressionLevel = clMax;
  archive.SaveFileID = true;
  archive.OnError = [](TBackupFile&, int32_t code, const std::string& text) {
    std::printf("error %d: %s\n", int(code), text.c_str());
  };
  for (int round = 0; round < rounds; ++round) {
    PlainTimes times;
    if (!plainZlib(names, 8 << 20, root + "plain.z", plainOut, times)) {
      std::printf("plain zlib failed\n");
      return 1;
    }
    plain.zlibDeflate = std::min(plain.zlibDeflate, times.zlibDeflate);
    plain.zlibInflate = std::min(plain.zlibInflate, times.zlibInflate);
    plain.deflate = std::min(plain.deflate, times.deflate);
    plain.inflate = std::min(plain.inflate, times.inflate);
    plain.deflateCpu = std::min(plain.deflateCpu, times.deflateCpu);
    plain.inflateCpu = std::min(plain.inflateCpu, times.inflateCpu);
    plain.compressed = times.compressed;

    double t0 = seconds(), c0 = cpuSeconds();
    backedUp &= archive.Backup({data + "*.*"}, root + "bench.bck");
    double t1 = seconds(), c1 = cpuSeconds();
    archiveBytes = archive.ArchiveBytes;
    restoredOk &= archive.Restore(root + "bench.bck", restored);
    double t2 = seconds(), c2 = cpuSeconds();
    backupTime = std::min(backupTime, t1 - t0);
    restoreTime = std::min(restoreTime, t2 - t1);
    backupCpu = std::min(backupCpu, c1 - c0);
    restoreCpu = std::min(restoreCpu, c2 - c1);
  }
  size_t same = 0;
  std::vector<uint8_t> a, b;
  for (const auto& name : names) {
    int64_t sizeA = readAll(name, a), sizeB = readAll(restored + name.substr(data.size()), b);
    same += sizeA >= 0 && sizeA == sizeB && std::equal(a.begin(), a.begin() + sizeA, b.begin());
  }

  std::printf("data: %zu files, %.1f MB (half text, half noise), best of %d rounds\n", names.size(),
              mb, rounds);
  std::printf("                              MB/s   plain with files   zlib alone\n");
  std::printf("plain zlib level 9 deflate  %7.1f                   %7.1f   (%.1f MB out)\n",
              mb / plain.deflate, mb / plain.zlibDeflate, double(plain.compressed) / 1e6);
  std::printf("TBackupFile.Backup (clMax)  %7.1f   %5.2f of plain  %5.2f   (%.1f MB archive)\n",
              mb / backupTime, plain.deflate / backupTime, plain.zlibDeflate / backupTime,
              double(archiveBytes) / 1e6);
  std::printf("plain zlib inflate          %7.1f                   %7.1f\n", mb / plain.inflate,
              mb / plain.zlibInflate);
  std::printf("TBackupFile.Restore         %7.1f   %5.2f of plain  %5.2f\n", mb / restoreTime,
              plain.inflate / restoreTime, plain.zlibInflate / restoreTime);
  std::printf("in processor time: Backup %.2f, Restore %.2f of plain zlib with files\n",
              plain.deflateCpu / backupCpu, plain.inflateCpu / restoreCpu);
  std::printf("backup %s, restore %s, %zu of %zu files identical\n", backedUp ? "ok" : "FAILED",
              restoredOk ? "ok" : "FAILED", same, names.size());
  return backedUp && restoredOk && same == names.size() ? 0 : 1;
}
