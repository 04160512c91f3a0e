// The registry windows without a screen, on scratch registry roots: the search window's start
// timer hands over to the right window, lines and findings stay together when some are
// unchecked, "remove" deletes only the checked ones, and leaving the windows clears the busy
// flag and the lists.
#include <gtest/gtest.h>

#include "support/registry_override.h"
#include "support/scratch.h"
#include "ui/test_program.h"

using namespace scrubwell;

namespace {

const std::string kDlls = "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
const std::string kUninstall = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

struct Program : test::TestProgram {
  test::RegistryOverride lm{HKEY_LOCAL_MACHINE}, cr{HKEY_CLASSES_ROOT}, cu{HKEY_CURRENT_USER};
  test::ScratchFolder backup{'D', "backup"};
  Program()
      : TestProgram(
            "[206]\r\nShared DLL:\r\n[207]\r\nThe DLL\r\n[208]\r\nis gone.\r\n"
            "[250]\r\nregistry clean-up\r\n") {
    appState().backupFolder = backup.path();
  }
};

TEST(RegistryWindows, UncheckedLinesStayAndCheckedOnesGoIntoAPoint) {
  Program p;
  for (int i = 0; i < 4; ++i)
    test::setRegDword(HKEY_LOCAL_MACHINE, kDlls, "C:\\gone\\" + std::to_string(i) + ".dll", 1);
  appState().registryCleanBusy = 1;
  p.w.registrySearch.startCheck(true);
  EXPECT_TRUE(p.w.registrySearch.visible());
  EXPECT_TRUE(p.w.registrySearch.startTimer.enabled());
  p.w.registrySearch.startTimer.fire();
  EXPECT_FALSE(p.w.registrySearch.startTimer.enabled()) << "fires once";
  EXPECT_FALSE(p.w.registrySearch.visible());
  ASSERT_TRUE(p.w.registryCheck.visible());
  ASSERT_EQ(p.w.registryCheck.lines.count(), 4);

  p.w.registryCheck.lines.setChecked(1, false);
  p.w.registryCheck.lines.onCheck(1);
  p.w.registryCheck.lines.setChecked(3, false);
  p.w.registryCheck.lines.onCheck(3);
  p.w.registryCheck.lines.setSelectedIndex(2);
  p.w.registryCheck.lines.onSelect();
  EXPECT_EQ(p.w.registryCheck.description.lines(),
            std::vector<std::string>{"The DLL C:\\gone\\2.dll is gone."});

  p.w.registryCheck.remove.click();
  EXPECT_FALSE(test::regValueExists(HKEY_LOCAL_MACHINE, kDlls, "C:\\gone\\0.dll"));
  EXPECT_TRUE(test::regValueExists(HKEY_LOCAL_MACHINE, kDlls, "C:\\gone\\1.dll"));
  EXPECT_FALSE(test::regValueExists(HKEY_LOCAL_MACHINE, kDlls, "C:\\gone\\2.dll"));
  EXPECT_TRUE(test::regValueExists(HKEY_LOCAL_MACHINE, kDlls, "C:\\gone\\3.dll"));
  EXPECT_TRUE(test::fileExists(p.backup / "1.bck")) << "the registry point";
  EXPECT_TRUE(p.w.registryResult.visible());
  EXPECT_EQ(appState().registryCleanBusy, 1) << "still with the user";

  p.w.registryResult.back.click();
  EXPECT_EQ(appState().registryCleanBusy, 0);
  EXPECT_EQ(p.w.registryCheck.lines.count(), 0);
  EXPECT_FALSE(p.w.registryResult.visible());
}

TEST(RegistryWindows, NothingFoundShowsThePanelAndUninstallCancelTouchesNothing) {
  Program p;
  p.w.registrySearch.startCheck(true);
  p.w.registrySearch.startTimer.fire();
  EXPECT_TRUE(p.w.registryResult.visible());
  EXPECT_TRUE(p.w.registryResult.panel.visible());
  p.w.registryResult.back.click();

  test::setRegString(HKEY_LOCAL_MACHINE, kUninstall + "x", "DisplayName", "Gone App");
  test::setRegString(HKEY_LOCAL_MACHINE, kUninstall + "x", "UninstallString", "C:\\gone\\un.exe");
  appState().registryCleanBusy = 1;
  p.w.registrySearch.startCheck(false);
  p.w.registrySearch.startTimer.fire();
  ASSERT_TRUE(p.w.uninstallResults.visible());
  ASSERT_EQ(p.w.uninstallResults.names.count(), 1);
  EXPECT_TRUE(p.w.uninstallResults.names.checked(0)) << "marked when shown";
  p.w.uninstallResults.cancel.click();
  EXPECT_TRUE(test::regKeyExists(HKEY_LOCAL_MACHINE, kUninstall + "x"));
  EXPECT_EQ(p.w.uninstallResults.names.count(), 0);
  EXPECT_EQ(appState().registryCleanBusy, 0);
}

}  // namespace
