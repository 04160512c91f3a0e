// What the tests of backup points and of the removal share: the room a file takes on the host,
// and a backup progress window stand-in that records what it was shown.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "backup/backup_file.h"
#include "backup/backup_progress.h"
#include "support/scratch.h"

namespace scrubwell::test {

// The bytes the host really allocated for a file, -1 when the system cannot tell. Wine answers
// the allocation size from the Unix block count (GetCompressedFileSize only repeats the size).
inline int64_t allocatedBytes(const std::string& path) {
  struct StandardInfo {  // FILE_STANDARD_INFO, class FileStandardInfo (1)
    LARGE_INTEGER allocationSize, endOfFile;
    DWORD links;
    BOOLEAN deletePending, directory;
  };
  using Query = BOOL(WINAPI*)(HANDLE, int, void*, DWORD);
  auto query = reinterpret_cast<Query>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetFileInformationByHandleEx"));
  HANDLE h =
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  StandardInfo info{};
  bool ok = query && h != INVALID_HANDLE_VALUE && query(h, 1, &info, sizeof info);
  if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  return ok ? info.allocationSize.QuadPart : -1;
}

struct RecordingBackupProgress : BackupProgress {
  int shown = 0, closed = 0, lastPercent = -1;
  std::vector<std::string> files;
  std::function<void()> onShow;  // runs when the window is shown, before the point is written
  void showWindow() override {
    ++shown;
    if (onShow) onShow();
  }
  void closeWindow() override { ++closed; }
  void setPercent(int p) override { lastPercent = p; }
  void setFileText(const std::string& f) override {
    if (!f.empty()) files.push_back(f);
  }
};

// The file-ID list of a point (one line per stored file) and its title and file count.
struct PointContent {
  bool readable = false;
  std::string title;
  int32_t fileCount = 0;
  std::string listed;  // the file-ID lines, each ended by "\n"
};
inline PointContent readPoint(const std::string& archive) {
  TBackupFile reader;
  std::vector<std::string> lines;
  PointContent c;
  c.readable = reader.ReadArchiveInfo(archive, &lines, c.title);
  c.fileCount = reader.FileCount;
  for (const auto& l : lines) c.listed += l + "\n";
  return c;
}

}  // namespace scrubwell::test
