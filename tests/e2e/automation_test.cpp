// The command-line automation of the real program under Wine: /preview lists what the window's
// junk search finds, /auto removes it into a backup point and reports it as the window's "remove"
// does, bad command lines change nothing.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <set>

#include "backup/my_backup.h"
#include "e2e/program_driver.h"
#include "main_window_res.h"
#include "platform/handles.h"
#include "report_windows_res.h"
#include "results_window_res.h"
#include "platform/file_identity.h"
#include "support/scratch.h"

using namespace scrubwell;
using namespace scrubwell::test;

namespace {

const char* const kSettingsOnD =
    "[Markierte Laufwerke]\r\nLw1=D\r\nAnzahl=1\r\n"
    "[Suchausnahmen]\r\nMaske1=Win.bak\r\nAnzahl=1\r\n"
    "[Markiert]\r\nBox1=1\r\nBox6=0\r\nBox7=0\r\n";

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// Restores `files` from the one backup point that is in `data` now and was not in `before`.
void restoreFromTheNewPoint(const std::string& data, const std::set<std::string>& before,
                            const std::vector<std::string>& files) {
  const std::set<std::string> after = backupPoints(data);
  std::vector<std::string> added;
  std::set_difference(after.begin(), after.end(), before.begin(), before.end(),
                      std::back_inserter(added));
  ASSERT_EQ(added.size(), 1u) << "one new backup point";
  MyBackup restore;
  for (const auto& f : files) restore.AddRestoreFile(f);
  EXPECT_TRUE(restore.RestorePoint(data + "BACKUP\\" + added[0]));
}

}  // namespace

TEST(Automation, PreviewListsWhatTheWindowFindsAndChangesNothing) {
  std::string exe = installProgram() + "Scrubwell.exe";
  ASSERT_TRUE(languageChosenWithSettings(kSettingsOnD));
  const std::string ini = readFile(programDataFolder() + "Scrubwell.ini");
  ScratchFolder dir('D', "preview");
  ASSERT_TRUE(writeFile(dir / "setup.tmp", std::string(3000, 'x')));
  ASSERT_TRUE(writeFile(dir / "docs\\letter.bak", std::string(20000, 'x')));
  ASSERT_TRUE(writeFile(dir / "docs\\deep\\Chkdsk.chk", "x"));
  ASSERT_TRUE(writeFile(dir / "docs\\Win.bak", "excepted"));
  ASSERT_TRUE(writeFile(dir / "docs\\notes.txt", "kept"));
  ScratchFolder outputs('D', "preview-out");

  Finished f = runToEnd(exe, "-PREVIEW /drives:d /out:" + outputs / "list.txt", outputs.path());
  ASSERT_EQ(f.exitCode, 0) << f.err;
  std::vector<std::string> listed = linesOf(readFile(outputs / "list.txt"));
  // The list order of the window: case-insensitive by full path.
  EXPECT_EQ(listed, (std::vector<std::string>{dir / "docs\\deep\\Chkdsk.chk",
                                              dir / "docs\\letter.bak", dir / "setup.tmp"}));
  EXPECT_TRUE(fileExists(dir / "setup.tmp"));
  EXPECT_EQ(readFile(programDataFolder() + "Scrubwell.ini"), ini) << "no settings written";

  Finished elsewhere = runToEnd(exe, "/preview /drives:C", outputs.path());
  EXPECT_NE(elsewhere.exitCode, 2) << elsewhere.err;
  EXPECT_FALSE(contains(elsewhere.out, dir.path())) << "/drives: replaces the saved drive";

  Finished toStdout = runToEnd(exe, "/preview", outputs.path());
  EXPECT_EQ(toStdout.exitCode, 0);
  EXPECT_EQ(linesOf(toStdout.out), listed) << "the same list on standard output";

  Finished csv = runToEnd(exe, "/preview /csv /drives:d", outputs.path());
  ASSERT_EQ(csv.exitCode, 0) << csv.err;
  const std::vector<std::string> rows = linesOf(csv.out);
  ASSERT_EQ(rows.size(), listed.size() + 1);
  EXPECT_EQ(rows[0], "Path,Size,Class,Marked");
  EXPECT_EQ(rows[2], dir / "docs\\letter.bak" + ",20000,junk,yes") << "the same list as CSV";

  // The window's junk search with the same settings lists as many entries.
  RunningProgram p(exe);
  HWND results = runJunkSearchFromMainWindow(p);
  ASSERT_NE(results, nullptr);
  HWND list = GetDlgItem(results, IDC_RES_RESULTLIST);
  EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), static_cast<LRESULT>(listed.size()));
  clickButton(results, IDC_RES_CANCEL);
}

TEST(Automation, AutoRemovesIntoABackupPointThatRestoresTheFiles) {
  std::string exe = installProgram() + "Scrubwell.exe";
  ASSERT_TRUE(languageChosenWithSettings(kSettingsOnD));
  const std::string data = programDataFolder();
  ScratchFolder dir('D', "auto");
  ASSERT_TRUE(writePatternFile(dir / "setup.tmp", 30000, 1));
  ASSERT_TRUE(writePatternFile(dir / "docs\\letter.bak", 5000, 2));
  ASSERT_TRUE(writeFile(dir / "docs\\notes.txt", "kept"));
  const std::string setup = readFile(dir / "setup.tmp"),
                    letter = readFile(dir / "docs\\letter.bak");
  const std::set<std::string> before = backupPoints(data);
  ScratchFolder outputs('D', "auto-out");

  Finished f = runToEnd(exe, "/Auto /report:" + outputs / "report.txt", outputs.path());
  ASSERT_EQ(f.exitCode, 0) << f.err;
  EXPECT_FALSE(fileExists(dir / "setup.tmp"));
  EXPECT_FALSE(fileExists(dir / "docs\\letter.bak"));
  EXPECT_TRUE(fileExists(dir / "docs\\notes.txt"));
  EXPECT_TRUE(contains(f.out, dir / "setup.tmp")) << f.out;
  EXPECT_TRUE(contains(f.out, dir / "docs\\letter.bak"));
  EXPECT_TRUE(contains(f.out, "----------------------"));
  // The summary the status report window shows: two removed, none unremovable, 34 kbytes.
  std::vector<std::string> lines = linesOf(f.out);
  ASSERT_GE(lines.size(), 4u);
  EXPECT_TRUE(std::any_of(lines.end() - 4, lines.end(), [](const std::string& l) {
    return contains(l, " 2");
  })) << f.out;
  EXPECT_TRUE(contains(f.out, "34 kbytes"));
  std::string saved = readFile(outputs / "report.txt");
  EXPECT_EQ(saved.substr(0, f.out.size()), f.out) << "the saved report starts with the same text";
  EXPECT_GT(saved.size(), f.out.size()) << "and ends with the date block";

  restoreFromTheNewPoint(data, before, {dir / "setup.tmp", dir / "docs\\letter.bak"});
  EXPECT_EQ(readFile(dir / "setup.tmp"), setup);
  EXPECT_EQ(readFile(dir / "docs\\letter.bak"), letter);

  Finished again = runToEnd(exe, "/auto /drives:D /scans:junk", outputs.path());
  EXPECT_EQ(again.exitCode, 0);
  Finished nothing = runToEnd(exe, "/auto", outputs.path());
  EXPECT_EQ(nothing.exitCode, 1) << "nothing left to find";
}

// The window's "remove" and /auto scan and remove through one session: from the same files their
// status reports hold the same lines.
TEST(Automation, AutoReportsLineForLineWhatTheWindowReports) {
  std::string exe = installProgram() + "Scrubwell.exe";
  ASSERT_TRUE(
      languageChosenWithSettings("[Markierte Laufwerke]\r\nLw1=D\r\nAnzahl=1\r\n"
                                 "[Suchausnahmen]\r\nAnzahl=0\r\n"
                                 "[Markiert]\r\nBox1=0\r\nBox6=0\r\nBox7=0\r\n"));
  ScratchFolder dir('D', "alike");
  auto plant = [&] {
    return writePatternFile(dir / "setup.tmp", 30000, 1) &&
           writePatternFile(dir / "docs\\letter.bak", 5000, 2) &&
           writeFile(dir / "docs\\notes.txt", "kept");
  };
  ASSERT_TRUE(plant());
  ScratchFolder outputs('D', "alike-out");
  Finished unattended = runToEnd(exe, "/auto", outputs.path());
  ASSERT_EQ(unattended.exitCode, 0) << unattended.err;
  ASSERT_FALSE(fileExists(dir / "setup.tmp"));

  ASSERT_TRUE(plant());
  RunningProgram p(exe);
  HWND results = runJunkSearchFromMainWindow(p);
  ASSERT_NE(results, nullptr);
  clickButton(results, IDC_RES_REMOVE);
  HWND report = p.waitForWindow(IDC_REP_SAVE);
  ASSERT_NE(report, nullptr);
  EXPECT_FALSE(fileExists(dir / "setup.tmp"));
  std::vector<std::string> shown = linesOf(controlText(report, IDC_REP_TEXT));
  std::vector<std::string> printed = linesOf(unattended.out);
  EXPECT_EQ(shown, printed);
  EXPECT_GE(printed.size(), 8u) << "header, two files and the summary";
}

// The zero-byte scan leaves files such as readme.me unmarked: /preview shows them so, /auto
// removes exactly the other lines, and the backup point brings those back.
TEST(Automation, AutoRemovesExactlyTheLinesPreviewShowsMarked) {
  std::string exe = installProgram() + "Scrubwell.exe";
  ASSERT_TRUE(languageChosenWithSettings(kSettingsOnD));
  const std::string data = programDataFolder();
  ScratchFolder dir('D', "zero");
  for (const char* f : {"old.tmp", "docs\\letter.bak", "docs\\readme.me", "pkg\\__init__.py",
                        "config.sys", "x.~01"})
    ASSERT_TRUE(writeFile(dir / f, ""));
  ASSERT_TRUE(writeFile(dir / "full.tmp", "not empty"));
  ScratchFolder outputs('D', "zero-out");

  Finished preview = runToEnd(exe, "/preview /scans:zero /drives:D", outputs.path());
  ASSERT_EQ(preview.exitCode, 0) << preview.err;
  std::vector<std::string> marked, unmarked;
  const std::string prefix = "(unmarked) ";
  for (const std::string& line : linesOf(preview.out)) {
    const bool isUnmarked = line.rfind(prefix, 0) == 0;
    const std::string path = isUnmarked ? line.substr(prefix.size()) : line;
    if (path.rfind(dir.path(), 0) != 0) continue;
    (isUnmarked ? unmarked : marked).push_back(path.substr(dir.path().size()));
  }
  EXPECT_EQ(marked, (std::vector<std::string>{"docs\\letter.bak", "old.tmp", "x.~01"}));
  EXPECT_EQ(unmarked, (std::vector<std::string>{"docs\\readme.me", "pkg\\__init__.py"}));

  const std::set<std::string> before = backupPoints(data);
  Finished removed = runToEnd(exe, "/auto /scans:zero /drives:D", outputs.path());
  ASSERT_EQ(removed.exitCode, 0) << removed.err;
  for (const auto& f : marked) EXPECT_FALSE(fileExists(dir / f)) << f;
  for (const auto& f : unmarked) EXPECT_TRUE(fileExists(dir / f)) << f;
  for (const char* f : {"config.sys", "full.tmp"}) EXPECT_TRUE(fileExists(dir / f)) << f;
  EXPECT_FALSE(contains(removed.out, "readme.me")) << "an unmarked line is not even reported";

  std::vector<std::string> paths;
  for (const auto& f : marked) paths.push_back(dir / f);
  restoreFromTheNewPoint(data, before, paths);
  for (const auto& f : marked) EXPECT_TRUE(fileExists(dir / f)) << f << " restored";
}

TEST(Automation, PreviewAndAutoOfDllsTakeTheDuplicateAndLeaveTheWindowsCopy) {
  std::string exe = installProgram() + "Scrubwell.exe";
  ASSERT_TRUE(languageChosenWithSettings(kSettingsOnD));
  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  const std::string windowsCopy = std::string(system) + "\\kernel32.dll";
  const auto copy = openedFileFacts(windowsCopy);
  ASSERT_TRUE(copy);
  ScratchFolder dir('D', "dlls");
  ASSERT_TRUE(makeFolders(dir / "tools") && makeFolders(dir / "setup"));
  ASSERT_TRUE(makeSparseFile(dir / "tools\\kernel32.dll", copy->size));
  ASSERT_TRUE(makeSparseFile(dir / "setup\\kernel32.dll", copy->size));
  ASSERT_TRUE(writeFile(dir / "setup\\setup.exe", "x"));
  ScratchFolder outputs('D', "dlls-out");

  Finished preview = runToEnd(exe, "/preview /scans:dlls /drives:D", outputs.path());
  ASSERT_EQ(preview.exitCode, 0) << preview.err;
  std::vector<std::string> listed;
  for (const std::string& line : linesOf(preview.out))
    if (line.rfind(dir.path(), 0) == 0) listed.push_back(line.substr(dir.path().size()));
  EXPECT_EQ(listed, std::vector<std::string>{"tools\\kernel32.dll"});

  Finished removed = runToEnd(exe, "/auto /scans:dlls /drives:D", outputs.path());
  ASSERT_EQ(removed.exitCode, 0) << removed.err;
  EXPECT_FALSE(fileExists(dir / "tools\\kernel32.dll"));
  EXPECT_TRUE(fileExists(dir / "setup\\kernel32.dll")) << "an installation source stays";
  const auto after = openedFileFacts(windowsCopy);
  ASSERT_TRUE(after) << "the Windows copy stays";
  EXPECT_EQ(after->size, copy->size);
}

// "multi" runs the file scans of the multi-clean's saved boxes (here only the junk search) in one
// walk; a scan named beside it joins that walk, and a file both find is listed once.
TEST(Automation, MultiRunsTheChoosersFileScansInOneWalkEachFileOnce) {
  std::string exe = installProgram() + "Scrubwell.exe";
  ASSERT_TRUE(languageChosenWithSettings(
      std::string(kSettingsOnD) +
      "[MultiOption]\r\nChk1=1\r\nChk2=0\r\nChk3=0\r\nChk4=0\r\nChk10=0\r\n"));
  const std::string data = programDataFolder();
  ScratchFolder dir('D', "multi");
  ASSERT_TRUE(writeFile(dir / "empty.tmp", ""));     // junk and zero-byte
  ASSERT_TRUE(writeFile(dir / "empty.log", ""));     // zero-byte only
  ASSERT_TRUE(writeFile(dir / "full.bak", "data"));  // junk only
  ScratchFolder outputs('D', "multi-out");
  auto listed = [&dir](const Finished& f) {
    std::vector<std::string> below;
    for (const std::string& line : linesOf(f.out))
      if (line.rfind(dir.path(), 0) == 0) below.push_back(line.substr(dir.path().size()));
    return below;
  };

  Finished junkOnly = runToEnd(exe, "/preview /scans:multi /drives:D", outputs.path());
  ASSERT_EQ(junkOnly.exitCode, 0) << junkOnly.err;
  EXPECT_EQ(listed(junkOnly), (std::vector<std::string>{"empty.tmp", "full.bak"}));

  Finished withZero = runToEnd(exe, "/preview /scans:zero,multi /drives:D", outputs.path());
  ASSERT_EQ(withZero.exitCode, 0) << withZero.err;
  EXPECT_EQ(listed(withZero), (std::vector<std::string>{"empty.log", "empty.tmp", "full.bak"}));

  const std::set<std::string> before = backupPoints(data);
  Finished removed = runToEnd(exe, "/auto /scans:multi,zero /drives:D", outputs.path());
  ASSERT_EQ(removed.exitCode, 0) << removed.err;
  for (const char* f : {"empty.tmp", "empty.log", "full.bak"})
    EXPECT_FALSE(fileExists(dir / f)) << f;
  restoreFromTheNewPoint(data, before, {dir / "empty.tmp", dir / "empty.log", dir / "full.bak"});
  EXPECT_EQ(readFile(dir / "full.bak"), "data");
  EXPECT_TRUE(fileExists(dir / "empty.log"));
}

TEST(Automation, BadCommandLinesExitTwoAndChangeNothing) {
  std::string exe = installProgram() + "Scrubwell.exe";
  ASSERT_TRUE(languageChosenWithSettings(kSettingsOnD));
  const std::string ini = readFile(programDataFolder() + "Scrubwell.ini");
  ScratchFolder dir('D', "bad");
  ASSERT_TRUE(writeFile(dir / "setup.tmp", "junk"));
  ScratchFolder outputs('D', "bad-out");
  for (const std::string& arguments :
       std::vector<std::string>{"/auto /fast", "/auto /scans:", "/auto /scans:uninstall",
                                "/auto /drives:Q", "/auto /out:" + dir / "missing\\out.txt"}) {
    Finished f = runToEnd(exe, arguments, outputs.path());
    EXPECT_EQ(f.exitCode, 2) << arguments;
    EXPECT_TRUE(contains(f.err, "Scrubwell: ")) << arguments << ": a message on standard error";
    EXPECT_TRUE(f.out.empty()) << arguments;
    EXPECT_TRUE(fileExists(dir / "setup.tmp")) << arguments;
  }
  EXPECT_FALSE(folderExists(dir / "missing"));
  EXPECT_EQ(readFile(programDataFolder() + "Scrubwell.ini"), ini);

  Finished usage = runToEnd(exe, "/?", outputs.path());
  EXPECT_EQ(usage.exitCode, 0);
  EXPECT_TRUE(contains(usage.out, "/preview"));
}

TEST(Automation, FirstStartPreviewShowsNoLanguageWindow) {
  std::string exe = installProgram() + "Scrubwell.exe";
  ASSERT_TRUE(languageChosenWithSettings(kSettingsOnD));
  DeleteFileA((programDataFolder() + "Scrubwell.cho").c_str());
  ScratchFolder dir('D', "first");
  ASSERT_TRUE(writeFile(dir / "setup.tmp", "junk"));
  ScratchFolder outputs('D', "first-out");
  Finished f = runToEnd(exe, "/preview", outputs.path());
  EXPECT_EQ(f.exitCode, 0) << "ended by itself, no window waiting for a choice";
  EXPECT_TRUE(contains(f.out, dir / "setup.tmp"));
}
