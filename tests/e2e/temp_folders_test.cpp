// The temp-folder clean-ups in the real program under Wine: "Temporary files" opens its window, "go on"
// lists the temporary files marked, "remove" takes them into a backup point, and the command
// line finds and removes the same files; "Prefetch & Download" empties its folders at once.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "backup/my_backup.h"
#include "base/file_ops.h"
#include "e2e/program_driver.h"
#include "main_window_res.h"
#include "report_windows_res.h"
#include "results_window_res.h"
#include "support/scratch.h"
#include "temporary_folder_window_res.h"

using namespace scrubwell::test;
using scrubwell::MyBackup;

namespace {

const char* const kSettings =
    "[Markierte Laufwerke]\r\nLw1=D\r\nAnzahl=1\r\n"
    "[Suchausnahmen]\r\nAnzahl=0\r\n"
    "[Markiert]\r\nBox6=0\r\nBox7=0\r\n";

// TEMP of this test and of the programs it starts: a scratch folder holding a few files.
struct PlantedTemp {
  ScratchFolder dir{'D', "usertemp"};
  std::vector<std::string> files = {"setup.tmp", "unpacked\\data.cab", "unpacked\\log.txt"};
  PlantedTemp() {
    for (size_t i = 0; i < files.size(); ++i)
      writePatternFile(dir / files[i], 1000 * (i + 1), static_cast<uint32_t>(i));
    SetEnvironmentVariableA("TEMP", dir.path().c_str());
  }
  // The lines of `text` naming a file of this folder, sorted.
  std::vector<std::string> ownLines(const std::string& text) const {
    std::vector<std::string> own;
    for (const std::string& line : linesOf(text))
      for (const std::string& f : files)
        if (line.find(dir / f) != std::string::npos) own.push_back(dir / f);
    std::sort(own.begin(), own.end());
    return own;
  }
  std::vector<std::string> paths() const {
    std::vector<std::string> all;
    for (const std::string& f : files) all.push_back(dir / f);
    std::sort(all.begin(), all.end());
    return all;
  }
};

}  // namespace

TEST(TemporaryFolders, TempGoOnListsTheFilesThePreviewListsAndRemoveBacksThemUp) {
  const std::string exe = installProgram() + "Scrubwell.exe";
  const std::string data = programDataFolder();
  ASSERT_TRUE(languageChosenWithSettings(kSettings));
  PlantedTemp temp;
  ScratchFolder outputs('D', "temp-out");
  Finished preview = runToEnd(exe, "/preview /scans:temp /drives:C", outputs.path());
  ASSERT_EQ(preview.exitCode, 0) << preview.err;
  EXPECT_EQ(temp.ownLines(preview.out), temp.paths()) << "every file, marked";
  EXPECT_EQ(preview.out.find("(unmarked)"), std::string::npos);

  RunningProgram p(exe);
  HWND main = p.waitForWindow(IDC_MAIN_SIDE1);
  ASSERT_NE(main, nullptr);
  clickButton(main, IDC_MAIN_SIDE1 + 1);
  clickButton(main, IDC_MAIN_CLEAN1 + 3);  // "Temporary files"
  HWND window = p.waitForWindow(IDC_TMP_GOON);
  ASSERT_NE(window, nullptr) << "the temp-folder window opens";
  EXPECT_EQ(controlText(window, IDC_TMP_FOLDER), "(" + temp.dir.path() + ")");
  saveScreenshot(window, "temp-folder-window");
  clickButton(window, IDC_TMP_GOON);
  HWND results = p.waitForWindow(IDC_RES_REMOVE);
  ASSERT_NE(results, nullptr) << "the results window shows the found files";
  saveScreenshot(results, "temp-folder-results");
  clickButton(results, IDC_RES_REMOVE);
  HWND report = p.waitForWindow(IDC_REP_SAVE);
  ASSERT_NE(report, nullptr);
  EXPECT_EQ(temp.ownLines(controlText(report, IDC_REP_TEXT)), temp.ownLines(preview.out))
      << "the window removed what the preview listed";
  saveScreenshot(report, "temp-folder-report");
  for (const std::string& path : temp.paths()) EXPECT_FALSE(fileExists(path)) << path;
  EXPECT_FALSE(folderExists(temp.dir / "unpacked")) << "the emptied folder is swept";
  EXPECT_TRUE(folderExists(temp.dir.path())) << "TEMP itself stays";
  EXPECT_FALSE(backupPoints(data).empty());
}

TEST(TemporaryFolders, AutoRemovesTheTempFilesIntoAPointThatRestores) {
  const std::string exe = installProgram() + "Scrubwell.exe";
  const std::string data = programDataFolder();
  ASSERT_TRUE(languageChosenWithSettings(kSettings));
  PlantedTemp temp;
  ScratchFolder outputs('D', "temp-auto-out");
  const std::set<std::string> before = backupPoints(data);
  Finished removed = runToEnd(exe, "/auto /scans:temp", outputs.path());
  ASSERT_EQ(removed.exitCode, 0) << removed.err;
  for (const std::string& path : temp.paths()) EXPECT_FALSE(fileExists(path)) << path;
  std::vector<std::string> added;
  const std::set<std::string> after = backupPoints(data);
  std::set_difference(after.begin(), after.end(), before.begin(), before.end(),
                      std::back_inserter(added));
  ASSERT_EQ(added.size(), 1u);
  MyBackup restore;
  for (const std::string& path : temp.paths()) restore.AddRestoreFile(path);
  EXPECT_TRUE(restore.RestorePoint(data + "BACKUP\\" + added[0]));
  for (const std::string& path : temp.paths()) EXPECT_TRUE(fileExists(path)) << path << " restored";
}

TEST(TemporaryFolders, PrefetchAndDownloadEmptiesItsFoldersAndTellsTheFreedSpace) {
  const std::string exe = installProgram() + "Scrubwell.exe";
  ASSERT_TRUE(languageChosenWithSettings(kSettings));
  ASSERT_TRUE(writePatternFile("C:\\WUTemp\\update.cab", 5000, 1));
  ASSERT_TRUE(
      writePatternFile(scrubwell::windowsFolder() + "\\Prefetch\\APP.EXE-1234.pf", 3000, 2));
  RunningProgram p(exe);
  HWND main = p.waitForWindow(IDC_MAIN_SIDE1);
  ASSERT_NE(main, nullptr);
  clickButton(main, IDC_MAIN_SIDE1 + 1);
  clickButton(main, IDC_MAIN_CLEAN1 + 4);  // "Prefetch & Download"
  HWND information = p.waitForWindow(IDC_INF_BACK);
  ASSERT_NE(information, nullptr);
  EXPECT_EQ(controlText(information, IDC_INF_FREED), "Freed disk space: 7kb");
  EXPECT_FALSE(fileExists("C:\\WUTemp\\update.cab"));
  EXPECT_TRUE(folderExists("C:\\WUTemp"));
  EXPECT_FALSE(fileExists(scrubwell::windowsFolder() + "\\Prefetch\\APP.EXE-1234.pf"));
  saveScreenshot(information, "prefetch-information");
}
