// The program's windows wired together: drive offer and mirroring, the drive guard, the twin
// backup option boxes, texts from the language file, and the settings saved from and loaded into
// the windows' controls.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/app_windows.h"
#include "app/settings_binding.h"
#include "app/startup.h"
#include "base/app_state.h"
#include "base/data_folder.h"
#include "base/texts.h"
#include "platform/text_upper.h"
#include "support/fake_seams.h"
#include "main_window_res.h"
#include "support/app_sandbox.h"
#include "support/scratch.h"

using namespace scrubwell;

namespace {

DriveOffer offerOf(std::vector<std::string> roots) {
  std::vector<DriveInfo> drives;
  for (const auto& r : roots) drives.push_back({r[0], DriveType::fixed});
  return offerDrives(drives);
}

}  // namespace

TEST(AppWindows, DriveOfferIsMirroredIntoTheMainWindow) {
  AppWindows w;
  w.results.offerDrives(offerOf({"C:\\", "D:\\", "E:\\", "F:\\", "G:\\", "H:\\", "I:\\", "J:\\",
                                 "K:\\", "L:\\", "M:\\", "O:\\"}));
  EXPECT_TRUE(w.results.driveChecks[0].checked()) << "C: is checked";
  EXPECT_EQ(w.results.driveLabels[9].text(), "L:\\");
  ASSERT_EQ(w.results.driveList.count(), 2);
  EXPECT_TRUE(w.results.driveList.visible());
  EXPECT_EQ(w.results.driveFrameHeight(), 250);

  w.results.driveChecks[3].setChecked(true);
  w.results.driveList.setChecked(1, true);
  w.main.mirrorDrives();
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(w.main.driveLabels[i].text(), w.results.driveLabels[i].text());
    EXPECT_EQ(w.main.driveChecks[i].checked(), w.results.driveChecks[i].checked());
  }
  ASSERT_EQ(w.main.driveList.count(), 2);
  EXPECT_TRUE(w.main.driveList.checked(1));
  EXPECT_EQ(w.results.checkedDrives(), (std::vector<std::string>{"C:\\", "F:\\", "O:\\"}));
}

TEST(AppWindows, CheckingADriveWithAWindowsFolderAsksFirst) {
  test::ScopedSeams seams;
  test::makeFolders("D:\\Windows");
  AppWindows w;
  w.results.offerDrives(offerOf({"C:\\", "D:\\", "E:\\"}));
  w.main.mirrorDrives();
  EXPECT_EQ(seams.prompts.countOf("message"), 0) << "mirroring never asks";

  seams.prompts.answerMessage(IDNO);
  w.main.driveChecks[1].click();  // D: holds a Windows folder
  EXPECT_EQ(seams.prompts.countOf("message"), 1);
  EXPECT_FALSE(w.main.driveChecks[1].checked());
  EXPECT_FALSE(w.results.driveChecks[1].checked());

  seams.prompts.answerMessage(IDYES);
  w.main.driveChecks[1].click();
  EXPECT_TRUE(w.results.driveChecks[1].checked());

  w.main.driveChecks[2].click();  // E: has no Windows folder
  w.main.driveChecks[0].click();  // unchecking C: never asks
  w.main.driveChecks[0].click();  // nor does checking it
  EXPECT_EQ(seams.prompts.countOf("message"), 2);
  EXPECT_TRUE(w.results.driveChecks[2].checked());
  EXPECT_TRUE(w.results.driveChecks[0].checked());
  w.main.driveLabels[0].setText("c:\\");  // the running Windows' own drive, in any spelling
  w.main.driveChecks[0].click();
  w.main.driveChecks[0].click();
  EXPECT_EQ(seams.prompts.countOf("message"), 2);
  test::removeTree("D:\\Windows");
}

TEST(AppWindows, TheTwoBackupOptionBoxesAgree) {
  AppWindows w;
  EXPECT_TRUE(w.backup.backupOption.checked());
  w.options.backupOption.click();
  EXPECT_FALSE(w.backup.backupOption.checked());
  w.backup.backupOption.click();
  EXPECT_TRUE(w.options.backupOption.checked());
}

TEST(AppWindows, CaptionsComeFromTheLanguage) {
  translation().loadFromText(
      "[0]\r\nENGLISH\r\n[1]\r\nScrubwell\r\n[68]\r\n- clean up\r\n[5100]\r\n"
      "Welcome\r\n[END]\r\n");
  AppWindows w;
  for (ui::Window* window : ui::Window::all()) window->applyTexts();
  EXPECT_EQ(w.results.caption(), "Scrubwell 8.75 - clean up");
  EXPECT_EQ(w.results.statusBar.panels().at(0), "Scrubwell 8.75");
  EXPECT_EQ(w.main.caption(), "Scrubwell");
  translation().clear();
}

TEST(AppWindows, SettingsRoundTripThroughTheWindows) {
  test::ScopedSeams seams;
  appState() = AppState{};
  ASSERT_TRUE(prepareDataFolder(kProductName, false));
  {
    AppWindows w;
    w.results.offerDrives(offerOf({"C:\\", "D:\\", "E:\\"}));
    w.results.driveChecks[0].setChecked(false);
    w.results.driveChecks[2].setChecked(true);
    w.options.askBeforeRemoving.setChecked(true);
    w.options.normalSounds.setChecked(false);
    w.options.masks.setItems({"*.tmp", "*.xyz"});
    w.options.exceptions.setItems({"Keep.bak"});
    w.ownFolders.folders.setItems({"D:\\Scratch"});
    w.chooser.boxes[4].setChecked(false);
    w.main.autoUpdate.setChecked(false);
    w.backup.backupOption.setChecked(false);
    w.results.setSize(700, 500);
    saveSettingsNow();
  }
  AppWindows w;
  w.results.offerDrives(offerOf({"C:\\", "D:\\", "E:\\"}));
  loadSettingsNow();
  EXPECT_FALSE(w.results.driveChecks[0].checked());
  EXPECT_TRUE(w.results.driveChecks[2].checked());
  EXPECT_TRUE(w.main.driveChecks[2].checked()) << "loading mirrors the drives";
  EXPECT_TRUE(w.options.askBeforeRemoving.checked());
  EXPECT_FALSE(w.options.normalSounds.checked());
  EXPECT_EQ(w.options.masks.items(), (std::vector<std::string>{"*.tmp", "*.xyz"}));
  EXPECT_EQ(w.options.exceptions.items(), (std::vector<std::string>{"Keep.bak"}));
  EXPECT_EQ(w.ownFolders.folders.items(), (std::vector<std::string>{"D:\\Scratch"}));
  EXPECT_FALSE(w.chooser.boxes[4].checked());
  EXPECT_TRUE(w.chooser.boxes[5].checked());
  EXPECT_FALSE(w.main.autoUpdate.checked());
  EXPECT_FALSE(w.backup.backupOption.checked());
  EXPECT_FALSE(w.options.backupOption.checked());
  EXPECT_EQ(w.results.width(), 700);
  EXPECT_EQ(w.results.height(), 500);
}

TEST(AppWindows, TheOwnFolderListTakesEachFolderOnceAndNeverARoot) {
  test::ScopedSeams seams;
  test::ScratchFolder d('D');
  ASSERT_TRUE(test::makeFolders(d / "Cache\\Temp"));
  ASSERT_TRUE(test::makeFolders(d / "Apps\\Foo\\Temp\\Sub"));
  ASSERT_TRUE(test::makeFolders(d / "Hidden\\tmp"));
  SetFileAttributesA((d / "Hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
  AppWindows w;
  ui::OwnFolderWindow& own = w.ownFolders;
  for (const std::string& chosen :
       {d / "Cache\\Temp\\", toLower(d / "cache\\temp"), std::string("C:\\"), std::string("D:")})
    seams.prompts.answerFolder(chosen);
  for (int i = 0; i < 5; ++i) own.add.click();  // the fifth browse is cancelled
  EXPECT_EQ(seams.prompts.countOf("folder"), 5);
  EXPECT_EQ(own.folders.items(), std::vector<std::string>{d / "Cache\\Temp"});

  // The automatic search over the drives of the slots adds what it finds that is not listed.
  w.results.offerDrives(offerOf({"C:\\", "D:\\"}));
  own.find.click();
  const std::vector<std::string> expected = {d / "Cache\\Temp", d / "Apps\\Foo\\Temp",
                                             d / "Hidden\\tmp"};
  for (const std::string& folder : expected)
    EXPECT_EQ(std::count(own.folders.items().begin(), own.folders.items().end(), folder), 1)
        << folder;
  for (const std::string& folder : own.folders.items())
    EXPECT_EQ(folder.find(d / "Apps\\Foo\\Temp\\"), std::string::npos) << "nothing inside";

  // "delete" without a selection takes the first entry; on an empty list it does nothing.
  own.folders.setSelectedIndex(-1);
  const std::string second = own.folders.item(1);
  own.deleteSelected.click();
  EXPECT_EQ(own.folders.item(0), second);
  own.deleteAll.click();
  own.deleteSelected.click();
  EXPECT_EQ(own.folders.count(), 0);
}

// "help" and "documentation" open the data folder's copies of the guide, which the language
// files put there, not the installed ones beside the program.
TEST(AppWindows, HelpAndDocumentationOpenTheDataFoldersCopies) {
  test::ScopedSeams seams;
  test::AppSandbox box;
  ASSERT_TRUE(test::writeFile(box.data() + "Scrubwell.chm", "help"));
  ASSERT_TRUE(test::writeFile(box.data() + "Scrubwell.doc", "documentation"));
  AppWindows w;
  w.main.create();
  for (int button : {IDC_MAIN_HELP, IDC_MAIN_DOCS})
    SendMessageA(w.main.hwnd(), WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(w.main.hwnd(), button)));
  ASSERT_EQ(seams.launcher.launches().size(), 2u);
  EXPECT_TRUE(equalsIgnoringCase(seams.launcher.launches()[0].file, box.data() + "Scrubwell.chm"));
  EXPECT_TRUE(equalsIgnoringCase(seams.launcher.launches()[1].file, box.data() + "Scrubwell.doc"));
}
