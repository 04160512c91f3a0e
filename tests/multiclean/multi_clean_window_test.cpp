// The multi-clean run from the chooser's "go on" with the real clean-ups on the test drives: the
// recycle bin kept for the walk's removals, nobody asked during the unattended steps and what
// they left in one report, the uninstall entries backed up, the registry holding the end until
// the user leaves it, and a cancel in the walk that marks only the steps that ran.
#include <gtest/gtest.h>

#include "base/recycle.h"
#include "scan/cancel_flag.h"
#include "support/registry_override.h"
#include "support/scratch.h"
#include "ui/framework/timer.h"
#include "ui/test_program.h"

using namespace scrubwell;

namespace {

const char* const kTexts =
    "[1]\r\nScrubwell\r\n[234]\r\nThe run has finished.\r\n[235]\r\nThe run stops.\r\n"
    "[241]\r\nNothing found.\r\n[5261]\r\n - leftovers\r\n";

// The windows of a computer with drive D:, chosen as `chosen` says, and the chooser's boxes
// `boxes` checked (all others cleared).
struct Program : test::TestProgram {
  Program(bool chosen, std::initializer_list<int> boxes) : TestProgram(kTexts) {
    w.results.offerDrives(offerDrives({{'D', DriveType::fixed}}));
    w.results.driveChecks[0].setChecked(chosen);
    for (auto& box : w.chooser.boxes) box.setChecked(false);
    for (int b : boxes) w.chooser.boxes[b - 1].setChecked(true);
  }
};

bool marked(Program& p, DoneMark m) {
  return p.w.results.doneMark(static_cast<int>(m)) && p.w.main.mark(static_cast<int>(m));
}

}  // namespace

TEST(MultiCleanWindow, WithoutBackupTheFilesRemovedInTheWalkStayInTheRecycleBin) {
  const std::string trash = test::runTrashFolder();
  ASSERT_FALSE(trash.empty()) << "the recycle bin is not the test run's own: not emptying it";
  Program p(true, {3, 13});  // zero-byte files and the recycle bin
  p.w.backup.backupOption.setChecked(false);
  test::ScratchFolder d('D', "bin");
  ASSERT_TRUE(test::writeFile(d / "thrown away before.txt", "old"));
  ASSERT_TRUE(sendToRecycleBin(d / "thrown away before.txt"));
  ASSERT_TRUE(test::writeFile(d / "empty.tmp", ""));

  // The user removes what the walk found, then leaves the report.
  ui::Timer user(10, false);
  user.onTimer = [&p, &user] {
    if (!p.w.results.resultMode()) return;
    user.setEnabled(false);
    p.w.results.removeMarked();
    p.w.report.back();
  };
  user.setEnabled(true);
  p.w.chooser.goOn();

  EXPECT_FALSE(test::fileExists(trash + "thrown away before.txt")) << "the bin was emptied";
  EXPECT_FALSE(test::fileExists(d / "empty.tmp"));
  EXPECT_TRUE(test::fileExists(trash + "empty.tmp")) << "removed in the walk, still in the bin";
  EXPECT_TRUE(marked(p, DoneMark::zeroByteFiles));
  EXPECT_TRUE(marked(p, DoneMark::windowsTools));
  EXPECT_EQ(emptyRecycleBin(nullptr), RecycleBinEmptying::emptied);
}

TEST(MultiCleanWindow, TheUnattendedStepsAskNothingAndWhatStayedIsReportedAtTheEnd) {
  Program p(false, {14});  // own folders
  p.w.options.askBeforeRemoving.setChecked(true);
  p.w.backup.backupOption.setChecked(false);
  test::ScratchFolder e('E', "held");  // a removable drive: deleted for good, no bin
  ASSERT_TRUE(test::writeFile(e / "locked.log", "in use"));
  ASSERT_TRUE(test::writeFile(e / "free.log", "free"));
  p.w.ownFolders.folders.setItems({e / ""});
  HANDLE lock =
      CreateFileA((e / "locked.log").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  p.w.chooser.goOn();
  CloseHandle(lock);

  EXPECT_EQ(p.seams.prompts.countOf("message"), 0) << "\"go on\" was the consent";
  EXPECT_FALSE(test::fileExists(e / "free.log"));
  EXPECT_TRUE(test::fileExists(e / "locked.log"));
  ASSERT_TRUE(p.w.report.visible()) << "the run's report comes after its end";
  EXPECT_TRUE(p.w.results.reportOpen());
  bool told = false;
  for (const std::string& line : p.w.report.lines())
    told = told || (line.find(e.path()) != std::string::npos &&
                    line.find(" - leftovers") != std::string::npos);
  EXPECT_TRUE(told) << "the folder that kept a file is reported";
  EXPECT_EQ(p.w.report.unremovable.text().back(), '1');
  EXPECT_TRUE(p.w.results.doneMark(static_cast<int>(DoneMark::ownFolders)));
}

TEST(MultiCleanWindow, AnEngineMessageDuringAnUnattendedStepGoesIntoTheReportNotABox) {
  Program p(false, {14});  // own folders, backed up first
  test::ScratchFolder e('E', "unbacked");
  ASSERT_TRUE(test::writeFile(e / "draft.txt", "draft"));
  ASSERT_TRUE(test::writeFile(e / "not a folder", "a file where the backup folder would go"));
  appState().backupFolder = e / "not a folder\\BACKUP\\";
  p.w.backup.backupOption.setChecked(true);
  p.w.ownFolders.folders.setItems({e / ""});
  p.w.chooser.goOn();

  EXPECT_EQ(p.seams.prompts.countOf("message"), 0) << "nobody is asked during the step";
  EXPECT_EQ(test::readFile(e / "draft.txt"), "draft") << "no backup point, nothing deleted";
  ASSERT_TRUE(p.w.report.visible());
  EXPECT_GE(p.w.report.lines().size(), 1u) << "the backup's complaint is in the report";
}

TEST(MultiCleanWindow, UninstallEntriesGoIntoAPointAndTheRegistryHoldsTheEndUntilLeft) {
  const std::string dlls = "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
  const std::string gone = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\gone";
  Program p(false, {5, 8});  // the registry and the uninstall entries
  test::RegistryOverride lm{HKEY_LOCAL_MACHINE}, cr{HKEY_CLASSES_ROOT}, cu{HKEY_CURRENT_USER};
  test::ScratchFolder backup('D', "backup");
  appState().backupFolder = backup.path();
  test::setRegString(HKEY_LOCAL_MACHINE, gone, "DisplayName", "Gone App");
  test::setRegString(HKEY_LOCAL_MACHINE, gone, "UninstallString", "C:\\gone\\un.exe");
  test::setRegDword(HKEY_LOCAL_MACHINE, dlls, "C:\\gone\\shared.dll", 1);
  p.w.registrySearch.startTimer.setInterval(10);

  // The user looks at the registry findings, then leaves them with "cancel process" (first run)
  // or, with nothing found, with "back" (second run).
  int endsShownWhileOpen = -1;
  ui::Timer user(10, false);
  user.onTimer = [&] {
    ui::Button* leave = p.w.registryCheck.visible()    ? &p.w.registryCheck.cancel
                        : p.w.registryResult.visible() ? &p.w.registryResult.back
                                                       : nullptr;
    if (!leave) return;
    user.setEnabled(false);
    endsShownWhileOpen = p.seams.prompts.countOf("modal");
    leave->click();
  };
  user.setEnabled(true);
  p.w.chooser.goOn();
  EXPECT_EQ(endsShownWhileOpen, 0) << "no final message while the registry windows are open";
  EXPECT_EQ(p.seams.prompts.countOf("modal"), 1);
  EXPECT_EQ(p.w.message.lines[0].text(), "The run has finished.");
  EXPECT_FALSE(test::regKeyExists(HKEY_LOCAL_MACHINE, gone)) << "removed unattended";
  EXPECT_TRUE(test::fileExists(backup / "1.bck")) << "after its export went into a point";
  EXPECT_TRUE(test::regValueExists(HKEY_LOCAL_MACHINE, dlls, "C:\\gone\\shared.dll"));
  EXPECT_TRUE(p.w.results.doneMark(static_cast<int>(DoneMark::registry)));
  EXPECT_TRUE(p.w.results.doneMark(static_cast<int>(DoneMark::uninstallEntries)));

  RegDeleteKeyA(HKEY_LOCAL_MACHINE, dlls.c_str());
  p.w.chooser.boxes[7].setChecked(false);
  p.w.report.back();
  endsShownWhileOpen = -1;
  user.setEnabled(true);
  p.w.chooser.goOn();
  EXPECT_EQ(endsShownWhileOpen, 1) << "only the first run's end before \"back\"";
  EXPECT_EQ(p.seams.prompts.countOf("modal"), 2);
  EXPECT_EQ(appState().registryCleanBusy, 0);
}

TEST(MultiCleanWindow, ACancelInTheWalkShowsWhatItFoundSoFarAndSkipsTheLaterSteps) {
  // Recent documents, the junk search, own folders and the registry.
  Program p(true, {7, 1, 14, 5});
  test::ScratchFolder d('D', "walk");
  constexpr int kFolders = 200;
  for (int i = 0; i < kFolders; ++i)
    ASSERT_TRUE(test::writeFile(d / ("f" + std::to_string(i) + "\\old.tmp"), "x"));
  test::ScratchFolder own('E', "own");
  ASSERT_TRUE(test::writeFile(own / "draft.txt", "keep me"));
  p.w.ownFolders.folders.setItems({own / ""});

  // The user presses "cancel" whenever the walk lets a message through, then looks at what was
  // found and leaves it with "cancel process".
  size_t shown = 0;
  ui::Timer user(10, false);
  user.onTimer = [&] {
    if (p.w.searchProgress.visible()) p.w.multiCleanStatus.cancel.click();
    if (!p.w.results.resultMode()) return;
    user.setEnabled(false);
    shown = p.w.results.results().size();
    p.w.results.cancelProcess();
  };
  user.setEnabled(true);
  p.w.chooser.goOn();

  EXPECT_GT(shown, 0u) << "what was found until the cancel is shown";
  EXPECT_LT(shown, static_cast<size_t>(kFolders)) << "the walk stopped early";
  ASSERT_EQ(p.seams.prompts.countOf("message"), 1) << "text 235 once, however often pressed";
  EXPECT_EQ(p.seams.prompts.asked()[0].text, "The run stops.");
  EXPECT_EQ(p.w.message.lines[0].text(), "The run has finished.");
  // Marks only for the steps that ran; the later ones did nothing.
  EXPECT_TRUE(marked(p, DoneMark::recentDocuments));
  EXPECT_TRUE(marked(p, DoneMark::junkSearch));
  EXPECT_FALSE(marked(p, DoneMark::ownFolders));
  EXPECT_FALSE(marked(p, DoneMark::registry));
  EXPECT_FALSE(marked(p, DoneMark::zeroByteFiles)) << "its box was not checked";
  EXPECT_EQ(test::readFile(own / "draft.txt"), "keep me");
  EXPECT_EQ(appState().registryCleanBusy, 0);
  EXPECT_FALSE(cancelFlag().isSet()) << "the next scan is not stopped before it starts";
  EXPECT_FALSE(p.w.multiCleanStatus.visible());
  EXPECT_TRUE(p.w.main.visible()) << "the run ends in the results window's search mode";
}
