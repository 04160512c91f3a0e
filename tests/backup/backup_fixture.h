// Shared set-up of the TBackupFile tests under Wine: a source and an output folder on a test
// drive, the fake seams, a component whose errors are recorded, and file date helpers.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "backup/backup_file.h"
#include "backup/file_stream.h"
#include "backup/source_files.h"
#include "support/fake_seams.h"
#include "support/scratch.h"

namespace scrubwell::test {

class BackupFileTest : public ::testing::Test {
 protected:
  BackupFileTest() {
    archive.OnError = [this](TBackupFile&, int32_t code, const std::string& message) {
      errors.emplace_back(code, message);
    };
  }

  // The stored (lower-case) name of a file of the source folder.
  std::string stored(const std::string& relative) const { return lowerFullPath(src / relative); }

  // Sets a file's last-write time to a local time.
  static void setDate(const std::string& path, WORD year, WORD month, WORD day, WORD hour = 10,
                      WORD minute = 20, WORD second = 30) {
    SYSTEMTIME t{};
    t.wYear = year;
    t.wMonth = month;
    t.wDay = day;
    t.wHour = hour;
    t.wMinute = minute;
    t.wSecond = second;
    FILETIME local, utc;
    ASSERT_TRUE(SystemTimeToFileTime(&t, &local) && LocalFileTimeToFileTime(&local, &utc));
    HANDLE h = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << path;
    EXPECT_TRUE(SetFileTime(h, nullptr, nullptr, &utc));
    CloseHandle(h);
  }

  static int32_t dateOf(const std::string& path) {
    int32_t date = 0;
    EXPECT_TRUE(fileDosDate(path, date)) << path;
    return date;
  }

  ScopedSeams seams;
  ScratchFolder src{'D', "src"};
  ScratchFolder out{'D', "out"};
  TBackupFile archive;
  std::vector<std::pair<int32_t, std::string>> errors;
};

}  // namespace scrubwell::test
