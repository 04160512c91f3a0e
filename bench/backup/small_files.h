// The file set of the removal and restore benchmarks: small text-like files of 200 to 4000
// bytes, 100 to a folder, like a cache or temp folder.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

namespace scrubwell::bench {

inline std::string pathOf(const std::string& root, int i) {
  return root + "d" + std::to_string(i / 100) + "\\f" + std::to_string(i) + ".tmp";
}

inline std::string contentOf(int i) {
  static const char words[] = "cache entry session temp data index page log value key ";
  size_t size = 200 + (static_cast<size_t>(i) * 7919) % 3800;
  std::string content;
  while (content.size() < size) content += words + (i + content.size()) % 20;
  content.resize(size);
  return content;
}

// Writes file `i` (its folder must exist); the bytes written.
inline int64_t writeFileOf(const std::string& root, int i) {
  const std::string content = contentOf(i);
  HANDLE h =
      CreateFileA(pathOf(root, i).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  CloseHandle(h);
  return written;
}

inline int64_t makeFiles(const std::string& root, int count) {
  int64_t total = 0;
  for (int i = 0; i < count; ++i) {
    if (i % 100 == 0) CreateDirectoryA((root + "d" + std::to_string(i / 100)).c_str(), nullptr);
    total += writeFileOf(root, i);
  }
  return total;
}

inline void removeFiles(const std::string& root, int count) {
  for (int i = 0; i < count; ++i) DeleteFileA(pathOf(root, i).c_str());
}

inline void removeFolders(const std::string& root, int count) {
  for (int d = 0; d <= (count - 1) / 100; ++d)
    RemoveDirectoryA((root + "d" + std::to_string(d)).c_str());
  RemoveDirectoryA(root.c_str());
}

}  // namespace scrubwell::bench
