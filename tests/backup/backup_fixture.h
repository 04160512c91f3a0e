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
    ASSERT_TRUE(test::setLastWrite(path, test::localTime(year, month, day, hour, minute, second)))
        << path;
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
