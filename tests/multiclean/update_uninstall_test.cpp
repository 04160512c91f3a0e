// The update-uninstall folders on a test drive: which folders are found and in which order, how
// their rows read, the removal with a backup point that restores every file, a point that cannot
// be written, the recycle bin with the backup option off, a locked file, and the selection
// window's "nothing ticked" and "No".
#include "multiclean/update_uninstall_folders.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/app_windows.h"
#include "backup/my_backup.h"
#include "multiclean/update_uninstall_row.h"
#include "scan/removal_sandbox.h"

using namespace scrubwell;

namespace {

const char* const kTexts =
    "[0]\r\nENGLISH\r\n[1]\r\nScrubwell\r\n[32]\r\nSize\r\n[92]\r\nNothing ticked\r\n"
    "[150]\r\n - removed with backup\r\n[152]\r\nno backup folder\r\n[156]\r\nReally?\r\n"
    "[157]\r\nStatus report\r\n[158]\r\nProcessed:\r\n[159]\r\n - in the recycle bin\r\n"
    "[5260]\r\nFolder\r\n[5261]\r\n - leftovers\r\n[5262]\r\n - refused\r\n"
    "[5263]\r\n - not found\r\n[END]\r\n";

// A Windows folder of its own on drive D:, inside the sandbox's scratch folder.
struct UninstallRun : test::RemovalSandbox {
  std::string windowsDir = dir / "Windows";
  UninstallRun() : RemovalSandbox(kTexts) {}
  std::string folder(const std::string& name) const { return windowsDir + "\\" + name; }
};

}  // namespace

TEST(UpdateUninstallFolders, AreFoundInTheirOrderAndFilesAndLookAlikesAreNot) {
  UninstallRun r;
  ASSERT_TRUE(
      test::writeFile(r.folder("$NtUninstallKB654321$\\spuninst.exe"), std::string(3000, 'a')));
  ASSERT_TRUE(
      test::writeFile(r.folder("$NtUninstallKB123456$\\sub\\old.dll"), std::string(2048, 'b')));
  ASSERT_TRUE(test::writeFile(r.folder("$NtServicePackUninstall$\\sp.cat"), "x"));
  ASSERT_TRUE(test::writeFile(r.folder("Options\\Install\\setup.cab"), "y"));
  ASSERT_TRUE(test::writeFile(r.folder("$NtUninstallKB1$"), "a file of a folder's name"));
  ASSERT_TRUE(test::writeFile(r.folder("$WinMeUpdateUninstall$"), "a file too"));
  ASSERT_TRUE(test::makeFolders(r.folder("$NtUninstallKB2")));
  ASSERT_TRUE(test::makeFolders(r.folder("NtUninstallKB3$")));
  ASSERT_TRUE(test::makeFolders(r.folder("$NtUninstallKB4$.old")));

  std::vector<std::string> found = findUpdateUninstallFolders(r.windowsDir);
  ASSERT_EQ(found.size(), 4u) << ::testing::PrintToString(found);
  EXPECT_EQ(found[0], r.folder("Options\\Install"));
  EXPECT_EQ(found[1], r.folder("$NtServicePackUninstall$"));
  std::sort(found.begin() + 2, found.end());  // the $NtUninstall*$ folders come in find order
  EXPECT_EQ(found[2], r.folder("$NtUninstallKB123456$"));
  EXPECT_EQ(found[3], r.folder("$NtUninstallKB654321$"));

  // Every row starts ticked and shows the folder's size in kilobytes; long paths their end.
  AppWindows w;
  w.updateUninstallSelection.setSelectionData(found);
  const ui::CheckListBox& rows = w.updateUninstallSelection.rows;
  ASSERT_EQ(rows.count(), 4);
  for (int i = 0; i < rows.count(); ++i) EXPECT_TRUE(rows.checked(i)) << i;
  const std::string kb123 = shortenedFolderPath(found[2]) + std::string(11, ' ') + "Size:2kb";
  EXPECT_EQ(rows.item(2), kb123);
  EXPECT_NE(rows.item(3).find("           Size:2kb"), std::string::npos) << "3000 bytes";

  const std::string forty = "C:\\" + std::string(37, 'f');
  EXPECT_EQ(shortenedFolderPath(forty), forty);
  const std::string fortyFive = "C:\\WINDOWS\\$NtUninstallKB1234567890123456789$";
  ASSERT_EQ(fortyFive.size(), 45u);
  EXPECT_EQ(shortenedFolderPath(fortyFive), "..." + fortyFive.substr(8));
  EXPECT_EQ(updateUninstallRowText(fortyFive, 10239),
            "..." + fortyFive.substr(8) + "           Size:9kb");
}

TEST(UpdateUninstallFolders, RemovalBacksUpEveryFileAndALockedOneStaysAsLeftover) {
  UninstallRun r;
  const std::string first = r.folder("$NtUninstallKB111111$") + "\\";
  const std::string second = r.folder("$NtUninstallKB222222$") + "\\";
  const std::vector<std::pair<std::string, uint64_t>> files = {
      {first + "plain.dll", 5000},
      {first + "Hidden\\inside.inf", 1200},
      {first + "System\\deep\\sys.cat", 77},
      {first + "read-only.txt", 12},
      {second + "goes.txt", 400}};
  uint32_t seed = 7;
  for (const auto& [path, size] : files) ASSERT_TRUE(test::writePatternFile(path, size, seed++));
  ASSERT_TRUE(test::writeFile(second + "locked.exe", std::string(900, 'l')));
  SetFileAttributesA((first + "Hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesA((first + "System").c_str(), FILE_ATTRIBUTE_SYSTEM);
  SetFileAttributesA((first + "read-only.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  std::vector<std::string> before;
  for (const auto& f : files) before.push_back(test::readFile(f.first));

  HANDLE lock = CreateFileA((second + "locked.exe").c_str(), GENERIC_READ, 0, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  FolderTreesOutcome o =
      removeUpdateUninstallFolders(findUpdateUninstallFolders(r.windowsDir), r.settings, r.parts);
  CloseHandle(lock);

  EXPECT_EQ(o.run.end, RemovalEnd::done);
  ASSERT_EQ(o.items.size(), 2u);
  const bool firstFirst = o.items[0].folder == first;
  const FolderTreeItem& whole = o.items[firstFirst ? 0 : 1];
  const FolderTreeItem& held = o.items[firstFirst ? 1 : 0];
  EXPECT_EQ(whole.result, FolderTreeResult::removed);
  EXPECT_EQ(held.result, FolderTreeResult::leftovers);
  EXPECT_EQ(o.run.counts.removed, 1);
  EXPECT_EQ(o.run.counts.unremovable, 1);
  EXPECT_EQ(o.run.counts.freedBytes, 5000 + 1200 + 77 + 12 + 400) << "the locked file stayed";
  EXPECT_FALSE(test::folderExists(first));
  EXPECT_TRUE(test::fileExists(second + "locked.exe"));
  EXPECT_TRUE(r.reported("Folder " + first + " - removed with backup"));
  EXPECT_TRUE(r.reported("Folder " + second + " - leftovers"));

  MyBackup restore;
  for (const auto& f : files) restore.AddRestoreFile(f.first);
  ASSERT_TRUE(restore.RestorePoint(r.settings.backupFolder + "1.bck"));
  for (size_t i = 0; i < files.size(); ++i)
    EXPECT_EQ(test::readFile(files[i].first), before[i]) << files[i].first;
}

TEST(UpdateUninstallFolders, NothingIsDeletedWithoutAPointAndWithTheOptionOffTheyAreInTheBin) {
  UninstallRun r;
  const std::string folder = r.folder("$NtUninstallKB333333$");
  ASSERT_TRUE(test::writeFile(folder + "\\kept.dll", "kept"));
  // A folder of the point's name: the archive cannot be written.
  ASSERT_TRUE(test::makeFolders(r.settings.backupFolder + "1.bck"));
  FolderTreesOutcome o = removeUpdateUninstallFolders({folder}, r.settings, r.parts);
  EXPECT_EQ(o.run.end, RemovalEnd::stoppedBeforeDeleting);
  EXPECT_EQ(test::readFile(folder + "\\kept.dll"), "kept");

  const std::string trash = test::runTrashFolder();
  ASSERT_FALSE(trash.empty()) << "the recycle bin must be the test run's own";
  r.settings.backupOption = false;
  o = removeUpdateUninstallFolders({folder}, r.settings, r.parts);
  EXPECT_EQ(o.run.counts.removed, 1);
  EXPECT_FALSE(test::folderExists(folder));
  EXPECT_TRUE(r.reported("Folder " + folder + "\\ - in the recycle bin"));
  EXPECT_EQ(test::readFile(trash + "$NtUninstallKB333333$\\kept.dll"), "kept");
}

TEST(UpdateUninstallFolders, NoFoldersNothingTickedOrNoLeaveEverythingAsItWas) {
  UninstallRun r;
  r.settings.askBeforeRemoving = true;
  // The multi-clean hands over what it found; with nothing found the step does nothing at all.
  FolderTreesOutcome o = removeUpdateUninstallFolders({}, r.settings, r.parts);
  EXPECT_TRUE(o.items.empty());
  EXPECT_TRUE(r.windows.lines.empty());
  EXPECT_EQ(r.seams.prompts.countOf("message"), 0);

  const std::string folder = r.folder("$NtUninstallKB444444$");
  ASSERT_TRUE(test::writeFile(folder + "\\stays.dll", "stays"));
  AppWindows w;
  ui::UpdateUninstallSelectionWindow& select = w.updateUninstallSelection;
  select.setSelectionData({folder});
  select.rows.setChecked(0, false);
  select.goOn.click();
  ASSERT_EQ(w.message.lines[0].text(), "Nothing ticked");
  EXPECT_EQ(r.seams.prompts.countOf("message"), 0) << "no question without a ticked folder";

  w.options.askBeforeRemoving.setChecked(true);
  r.seams.prompts.answerMessage(IDNO);
  select.rows.setChecked(0, true);
  select.goOn.click();
  EXPECT_EQ(r.seams.prompts.countOf("message"), 1);
  EXPECT_EQ(test::readFile(folder + "\\stays.dll"), "stays");
  EXPECT_TRUE(w.report.lines().empty());
}
