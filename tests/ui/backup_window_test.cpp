// The backup window on real backup points in a scratch backup folder: the point list and its
// lines, restoring checked files (commas in paths, nothing checked, the registry export),
// removing one or all points, damaged points, the two backup switches, and retention at start.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "app/startup.h"
#include "backup/auto_removal.h"
#include "backup/my_backup.h"
#include "backup/point_text.h"
#include "base/settings_file.h"
#include "platform/text_upper.h"
#include "support/app_sandbox.h"
#include "support/scratch.h"
#include "ui/test_program.h"

using namespace scrubwell;

namespace {

struct Program : test::TestProgram {
  Program()
      : TestProgram("[1]\r\nScrubwell\r\n[31]\r\nFile\r\n[188]\r\nThe marked files have been "
                    "restored.\r\n[248]\r\nfiles\r\n[249]\r\nThe backup points have been "
                    "deleted.\r\n") {
    appState().backupFolder = backup.path();
  }
  // A point of `files` named n.bck, titled by the clock's time.
  void makePoint(int n, const std::vector<std::string>& files) {
    MyBackup b;
    for (const std::string& f : files) b.AddFile(f);
    ASSERT_TRUE(b.CreatePoint(backup / (std::to_string(n) + ".bck")));
  }
  int messagesShown(const std::string& text) const {
    int n = 0;
    for (const auto& a : seams.prompts.asked())
      if (a.kind == "modal" && a.text == "message") ++n;
    return w.message.lines[0].text() == text ? n : 0;
  }
  test::ScratchFolder backup{'D', "backup"};
  test::ScratchFolder files{'D', "files"};
};

}  // namespace

TEST(BackupWindow, ListsPointsFromTheHighestNumberWithTitleCountsAndSizes) {
  Program p;
  p.seams.clock.setLocal(2031, 3, 1, 9, 30);
  test::writePatternFile(p.files / "small.bin", 1536, 1);
  test::writePatternFile(p.files / "big.bin", 5000, 2);
  p.makePoint(3, {p.files / "small.bin"});
  p.seams.clock.setLocal(2031, 3, 2, 10, 0);
  p.makePoint(12, {p.files / "small.bin", p.files / "big.bin"});
  for (const char* other : {"1001.bck", "0.bck", "x.bck", "5.bak"})
    test::writeFile(p.backup / other, "not a point");

  p.w.backup.fillPointList();
  ASSERT_EQ(p.w.backup.pointPaths(),
            (std::vector<std::string>{p.backup / "12.bck", p.backup / "3.bck"}));
  ASSERT_EQ(p.w.backup.points.count(), 2);
  EXPECT_EQ(p.w.backup.points.selectedIndex(), 0);
  const PointContents twelve = readPointContents(p.backup / "12.bck");
  EXPECT_EQ(twelve.fileCount, 2);
  EXPECT_GT(twelve.totalBytes, 1536 + 5000) << "the file-ID list counts too";
  EXPECT_EQ(p.w.backup.points.item(0),
            twelve.title + ": 2 files, " +
                std::to_string(kilobytesRoundedHalfEven(twelve.totalBytes)) + " KB");
  EXPECT_NE(twelve.title, readPointContents(p.backup / "3.bck").title);

  // The file list: the selected point's files, lower case, whole kilobytes, all checked.
  const std::string dir = p.files.path();
  const std::string lower = toLower(dir);
  EXPECT_EQ(p.w.backup.files.items(),
            (std::vector<std::string>{lower + "small.bin, 1 kb", lower + "big.bin, 4 kb"}));
  EXPECT_TRUE(p.w.backup.files.checked(0) && p.w.backup.files.checked(1));
  EXPECT_TRUE(p.w.backup.restore.enabled());
  EXPECT_TRUE(p.w.backup.removePoint.enabled() && p.w.backup.removeAll.enabled());

  p.w.backup.points.setSelectedIndex(1);
  p.w.backup.fillFileList();
  EXPECT_EQ(p.w.backup.files.items(), (std::vector<std::string>{lower + "small.bin, 1 kb"}));
  EXPECT_EQ(p.w.backup.selectedPoint(), p.backup / "3.bck");
}

TEST(BackupWindow, AnEmptyFolderDisablesRemovalAndRestore) {
  Program p;
  p.w.backup.fillPointList();
  EXPECT_EQ(p.w.backup.points.count(), 0);
  EXPECT_EQ(p.w.backup.files.count(), 0);
  EXPECT_FALSE(p.w.backup.restore.enabled());
  EXPECT_FALSE(p.w.backup.removePoint.enabled());
  EXPECT_FALSE(p.w.backup.removeAll.enabled());
  p.w.backup.removePoint.click();  // disabled: nothing happens
  EXPECT_EQ(p.seams.prompts.countOf("modal"), 0);
}

TEST(BackupWindow, RestoresOnlyCheckedFilesWithTheirDatesAndCommasInPaths) {
  Program p;
  const std::string comma = p.files / "a, b\\report, final.txt";
  const std::string plain = p.files / "plain.txt";
  const std::string kept = p.files / "kept.txt";
  test::writeFile(comma, "comma original");
  test::writeFile(plain, "plain original");
  test::writeFile(kept, "kept original");
  test::setLastWrite(comma, test::localTime(2030, 7, 4, 8, 0, 1));
  const ULONGLONG commaDate = test::lastWriteTicks(comma);
  p.makePoint(1, {comma, plain, kept});
  test::writeFile(comma, "changed");
  DeleteFileA(plain.c_str());
  test::writeFile(kept, "changed too");

  p.w.backup.fillPointList();
  ASSERT_EQ(p.w.backup.files.count(), 3);
  p.w.backup.files.setChecked(2, false);
  p.w.backup.restore.click();

  EXPECT_EQ(test::readFile(comma), "comma original");
  const ULONGLONG restoredDate = test::lastWriteTicks(comma);
  EXPECT_LE(restoredDate, commaDate);
  EXPECT_LT(commaDate - restoredDate, 20000000ull) << "the stored date, to DOS precision";
  EXPECT_EQ(test::readFile(plain), "plain original");
  EXPECT_EQ(test::readFile(kept), "changed too") << "unchecked, not touched";
  EXPECT_EQ(p.messagesShown("The marked files have been restored."), 1);
  EXPECT_EQ(p.w.backupProgress.bar.position(), 100) << "no registry export to import";
  EXPECT_TRUE(p.seams.launcher.launches().empty());
  EXPECT_TRUE(p.w.backup.visible()) << "the backup window comes back after the restore";
}

TEST(BackupWindow, NothingCheckedRestoresNothingAndImportsNoExportItDidNotBringBack) {
  Program p;
  test::writeFile(p.files / "one.txt", "one");
  p.makePoint(1, {p.files / "one.txt"});
  test::writeFile(p.files / "one.txt", "changed");
  ASSERT_TRUE(test::writeFile(kRegistryExportFile, "REGEDIT4\r\n"));

  p.w.backup.fillPointList();
  p.w.backup.unmarkAll.click();
  EXPECT_FALSE(p.w.backup.files.checked(0));
  p.w.backup.restore.click();

  EXPECT_EQ(test::readFile(p.files / "one.txt"), "changed");
  EXPECT_TRUE(p.seams.launcher.launches().empty()) << "a file lying at the path is not imported";
  EXPECT_EQ(p.w.backupProgress.bar.position(), 100);
  EXPECT_TRUE(test::fileExists(kRegistryExportFile)) << "and left alone";
  DeleteFileA(kRegistryExportFile);
  EXPECT_EQ(p.messagesShown("The marked files have been restored."), 1);

  p.w.backup.markAll.click();
  EXPECT_TRUE(p.w.backup.files.checked(0));

  // The point deleted from outside meanwhile: nothing claims a restore, the lists catch up.
  DeleteFileA((p.backup / "1.bck").c_str());
  p.w.backup.restore.click();
  EXPECT_EQ(p.messagesShown("The marked files have been restored."), 1);
  EXPECT_EQ(p.w.backup.points.count(), 0);
}

TEST(BackupWindow, RemovesTheSelectedPointOrAllPointsButNothingElse) {
  Program p;
  test::writeFile(p.files / "f.txt", "f");
  p.makePoint(2, {p.files / "f.txt"});
  p.makePoint(7, {p.files / "f.txt"});
  p.makePoint(1000, {p.files / "f.txt"});
  for (const char* other : {"notes.txt", "1001.bck", "7.bck.old", "0.bck"})
    test::writeFile(p.backup / other, "stays");

  p.w.backup.fillPointList();
  p.w.backup.removePoint.click();
  EXPECT_FALSE(test::fileExists(p.backup / "1000.bck"));
  EXPECT_EQ(p.messagesShown("The backup points have been deleted."), 1);
  EXPECT_EQ(p.w.backup.pointPaths(),
            (std::vector<std::string>{p.backup / "7.bck", p.backup / "2.bck"}));

  // "back" in the confirmation keeps everything; "go on" removes every point.
  p.seams.prompts.answerModal("remove all points", [&] {
    p.w.removeAllPoints.back();
    return IDCANCEL;
  });
  p.w.backup.removeAll.click();
  EXPECT_EQ(p.w.backup.pointPaths().size(), 2u);
  p.seams.prompts.answerModal("remove all points", [&] {
    p.w.removeAllPoints.goOn();
    return IDOK;
  });
  p.w.backup.removeAll.click();
  EXPECT_FALSE(test::fileExists(p.backup / "7.bck"));
  EXPECT_FALSE(test::fileExists(p.backup / "2.bck"));
  for (const char* other : {"notes.txt", "1001.bck", "7.bck.old", "0.bck"})
    EXPECT_TRUE(test::fileExists(p.backup / other)) << other;
  EXPECT_TRUE(p.w.backup.pointPaths().empty()) << "the lists are filled again";
  EXPECT_FALSE(p.w.backup.removeAll.enabled());
}

TEST(BackupWindow, DamagedPointsAreListedAndTheirRestoreLeavesFilesAlone) {
  Program p;
  test::writePatternFile(p.files / "data.bin", 200000, 9);
  for (int n : {1, 2, 3}) p.makePoint(n, {p.files / "data.bin"});
  // 1.bck loses its end in the middle of the data; in 2.bck the data's run marker is wrong (the
  // first run is the file-ID list's); 3.bck keeps only three bytes of its header.
  std::string whole = test::readFile(p.backup / "1.bck");
  test::writeFile(p.backup / "1.bck", whole.substr(0, whole.size() * 2 / 3));
  std::string marked = test::readFile(p.backup / "2.bck");
  size_t dataRun = marked.find(std::string("EC2\0", 4), marked.find(std::string("EC2\0", 4)) + 4);
  ASSERT_NE(dataRun, std::string::npos);
  marked[dataRun + 1] = 'X';
  test::writeFile(p.backup / "2.bck", marked);
  test::writeFile(p.backup / "3.bck", whole.substr(0, 3));
  test::writeFile(p.files / "data.bin", "the file as it is now");

  p.w.backup.fillPointList();
  ASSERT_EQ(p.w.backup.points.count(), 3);
  EXPECT_EQ(p.w.backup.points.item(0), ": 0 files, 0 KB") << "nothing of 3.bck could be read";
  EXPECT_EQ(p.seams.prompts.countOf("message"), 1) << "the archive said what is wrong, once";
  EXPECT_EQ(p.w.backup.files.count(), 0);
  EXPECT_FALSE(p.w.backup.restore.enabled());

  for (int index : {1, 2}) {
    SCOPED_TRACE(index == 1 ? "wrong marker" : "truncated");
    p.w.backup.points.setSelectedIndex(index);
    p.w.backup.fillFileList();
    ASSERT_EQ(p.w.backup.files.count(), 1) << "header and file list are intact";
    int errorsBefore = p.seams.prompts.countOf("message");
    p.w.backup.restore.click();
    EXPECT_EQ(p.seams.prompts.countOf("message"), errorsBefore + 1) << "the restore reports it";
    EXPECT_EQ(test::readFile(p.files / "data.bin"), "the file as it is now");
    EXPECT_FALSE(test::fileExists(p.files / "data.bin.~restoring"));
    EXPECT_EQ(p.messagesShown("The marked files have been restored."), index);
  }
}

TEST(BackupWindow, BalloonShowsTheHoveredLineOnceStartUpIsOver) {
  Program p;
  test::writeFile(p.files / "a.txt", "a");
  test::writeFile(p.files / "b.txt", "b");
  p.makePoint(1, {p.files / "a.txt", p.files / "b.txt"});
  p.w.backup.fillPointList();
  p.w.backup.show();
  ASSERT_TRUE(p.w.backup.files.hwnd());
  RECT row{LVIR_BOUNDS, 0, 0, 0};
  SendMessageA(p.w.backup.files.hwnd(), LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
  appState().startupBusy = 1;
  p.w.backup.files.mouseMovedTo({row.left + 30, (row.top + row.bottom) / 2});
  EXPECT_FALSE(p.w.backup.hint().shown()) << "not while the program starts";
  p.w.backup.files.mouseMovedTo({0, 10000});
  appState().startupBusy = 0;
  p.w.backup.files.mouseMovedTo({row.left + 30, (row.top + row.bottom) / 2});
  EXPECT_TRUE(p.w.backup.hint().shown());
  EXPECT_EQ(p.w.backup.hint().text(), p.w.backup.files.item(1));
  p.w.backup.hide();
  EXPECT_FALSE(p.w.backup.hint().shown());
}

TEST(AutoRemoval, TheRunEntryNamesTheCheckerOnlyWhenItExists) {
  Program p;
  test::AppSandbox sandbox;
  const std::string run = kRunKey;
  // No Run key: nothing is created.
  p.w.backup.autoRemove.click();
  EXPECT_FALSE(test::regKeyExists(HKEY_CURRENT_USER, run));

  ASSERT_TRUE(test::setRegString(HKEY_CURRENT_USER, run, "Other program", "x.exe"));
  p.w.backup.autoRemove.setChecked(false);
  p.w.backup.autoRemove.click();  // checked, but there is no Checker.exe
  EXPECT_TRUE(p.w.backup.autoRemove.checked());
  EXPECT_FALSE(test::regValueExists(HKEY_CURRENT_USER, run, kAutoRemovalValue));
  EXPECT_FALSE(autoRemovalRegistered()) << "the box shows unchecked at the next start";

  ASSERT_TRUE(test::writeFile(sandbox.data() + "Checker.exe", "MZ"));
  p.w.backup.autoRemove.setChecked(false);
  p.w.backup.autoRemove.click();
  EXPECT_EQ(test::regString(HKEY_CURRENT_USER, run, kAutoRemovalValue),
            "\"" + sandbox.data() + "Checker.exe\" /check");
  EXPECT_TRUE(autoRemovalRegistered());
  p.w.backup.autoRemove.click();  // off again
  EXPECT_FALSE(test::regValueExists(HKEY_CURRENT_USER, run, kAutoRemovalValue));
  EXPECT_EQ(test::regString(HKEY_CURRENT_USER, run, "Other program"), "x.exe");

  // More than four characters count as set.
  test::setRegString(HKEY_CURRENT_USER, run, kAutoRemovalValue, "abcd");
  EXPECT_FALSE(autoRemovalRegistered());
  test::setRegString(HKEY_CURRENT_USER, run, kAutoRemovalValue, "abcde");
  EXPECT_TRUE(autoRemovalRegistered());
}

TEST(BackupOption, BothBoxesAgreeAndAVisibleWindowSavesAndExplains) {
  Program p;
  test::AppSandbox sandbox;
  // Hidden windows: the twin follows, nothing is written or shown.
  p.w.backup.backupOption.click();
  EXPECT_FALSE(p.w.backup.backupOption.checked());
  EXPECT_FALSE(p.w.options.backupOption.checked());
  EXPECT_FALSE(settingsFile().exists());
  EXPECT_EQ(p.seams.prompts.countOf("modal"), 0);

  // Visible and without a settings file: the whole settings are written, with the switch on.
  p.w.options.show();
  p.w.options.backupOption.click();
  EXPECT_TRUE(p.w.backup.backupOption.checked());
  ASSERT_TRUE(settingsFile().exists());
  EXPECT_TRUE(settingsFile().readBool("Sicherheit", "Sicherheitsoption", false));
  ASSERT_EQ(p.seams.prompts.asked().back().text, "backup notice");
  p.w.options.hide();

  // Switched off in the visible backup window: written, no notice.
  int modals = p.seams.prompts.countOf("modal");
  p.w.backup.show();
  p.w.backup.backupOption.click();
  EXPECT_FALSE(settingsFile().readBool("Sicherheit", "Sicherheitsoption", true));
  EXPECT_FALSE(p.w.options.backupOption.checked());
  EXPECT_EQ(p.seams.prompts.countOf("modal"), modals);
  p.w.backup.hide();
}

TEST(Retention, APointIsListedOnDayFourteenAndGoneAtTheFirstStartAfter) {
  Program p;
  test::AppSandbox sandbox;
  appState().backupFolder = sandbox.data() + "BACKUP\\";
  test::makeFolders(appState().backupFolder);
  test::writeFile(p.files / "f.txt", "f");
  MyBackup b;
  b.AddFile(p.files / "f.txt");
  ASSERT_TRUE(b.CreatePoint(appState().backupFolder + "1.bck"));
  test::setLastWrite(appState().backupFolder + "1.bck", test::localTime(2031, 3, 1, 23));

  p.seams.clock.setLocal(2031, 3, 15, 18, 0);
  appState().startupBusy = 1;
  secondStartupPhase();
  p.w.backup.fillPointList();
  EXPECT_EQ(p.w.backup.points.count(), 1) << "still there on 15 March";

  p.seams.clock.setLocal(2031, 3, 16, 0, 5);
  secondStartupPhase();
  p.w.backup.fillPointList();
  EXPECT_EQ(p.w.backup.points.count(), 0) << "deleted at the first start on 16 March";
  EXPECT_FALSE(test::fileExists(appState().backupFolder + "1.bck"));
}
