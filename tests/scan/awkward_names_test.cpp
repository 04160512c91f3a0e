// Names the plain file calls cannot take — ending in a dot, ending in a blank, a path longer than
// MAX_PATH — on a test drive: the junk search finds them, the removal backs them up and deletes
// them, and the point brings them back byte for byte.
#include <gtest/gtest.h>

#include "backup/my_backup.h"
#include "base/file_ops.h"
#include "platform/long_path.h"
#include "scan/junk_search.h"
#include "scan/removal.h"
#include "scan/removal_sandbox.h"
#include "scan/system_result_list.h"

using namespace scrubwell;

namespace {

const char* const kTexts =
    "[0]\r\nENGLISH\r\n[1]\r\nScrubwell\r\n[149]\r\nFile\r\n[150]\r\n - removed with backup\r\n"
    "[157]\r\nStatus report\r\n[158]\r\nProcessed:\r\n[160]\r\n - not removed\r\n[END]\r\n";

bool writeExactly(const std::string& path, const std::string& content) {
  HANDLE h = openPath(path, GENERIC_WRITE, 0, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL);
  DWORD put = 0;
  bool ok = h != INVALID_HANDLE_VALUE &&
            WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &put, nullptr) &&
            put == content.size();
  if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  return ok;
}

std::string readExactly(const std::string& path) {
  HANDLE h = openPath(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, 0);
  if (h == INVALID_HANDLE_VALUE) return "(missing)";
  std::string content(1 << 16, '\0');
  DWORD got = 0;
  ReadFile(h, content.data(), static_cast<DWORD>(content.size()), &got, nullptr);
  CloseHandle(h);
  content.resize(got);
  return content;
}

}  // namespace

TEST(AwkwardNames, AreFoundBackedUpDeletedAndRestored) {
  test::RemovalSandbox box(kTexts);
  std::string deep = box.dir / "deep";
  while (deep.size() < MAX_PATH + 20) deep += "\\a-rather-long-folder-name";
  for (size_t at = 0; (at = deep.find('\\', at + 1)) != std::string::npos;)
    createFolderPath(deep.substr(0, at));
  ASSERT_TRUE(createFolderPath(deep) || pathAttributes(deep) != INVALID_FILE_ATTRIBUTES);
  ASSERT_TRUE(createFolderPath(box.dir / "sub"));
  const std::vector<std::string> files = {box.dir / "sub\\swapfile.", box.dir / "sub\\notes.tmp ",
                                          deep + "\\deep.tmp"};
  for (size_t i = 0; i < files.size(); ++i)
    ASSERT_TRUE(writeExactly(files[i], "content " + std::to_string(i) + std::string(3000, 'x')))
        << files[i];

  ResultList list = makeSystemResultList();
  DriveScanInputs in{{"D:\\"}, {"swapfile.*", "*.tmp", "*.tmp "}, {}, {}};
  ProcessFlag cancel;
  runJunkSearch(in, list, cancel, nullptr);
  std::vector<std::string> found;
  for (size_t i = 0; i < list.size(); ++i)
    if (list.path(i).rfind(box.dir.path(), 0) == 0) found.push_back(list.path(i));
  for (const std::string& file : files)
    ASSERT_NE(std::find(found.begin(), found.end(), file), found.end()) << file;
  list.rebuildRows(systemFileSize);
  for (size_t i = 0; i < list.size(); ++i)
    list.setRowMarked(i, list.path(i).rfind(box.dir.path(), 0) == 0);

  RemovalOutcome o = removeMarkedEntries(list, box.settings, box.parts);
  EXPECT_EQ(o.counts.removed, 3);
  EXPECT_EQ(o.counts.unremovable, 0);
  for (const auto& f : files) EXPECT_EQ(pathAttributes(f), INVALID_FILE_ATTRIBUTES) << f;

  MyBackup restore;
  for (const auto& f : files) restore.AddRestoreFile(f);
  EXPECT_TRUE(restore.RestorePoint(box.settings.backupFolder + "1.bck"));
  for (size_t i = 0; i < files.size(); ++i)
    EXPECT_EQ(readExactly(files[i]), "content " + std::to_string(i) + std::string(3000, 'x'))
        << files[i];
}
