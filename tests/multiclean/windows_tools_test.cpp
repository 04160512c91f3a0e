// The Windows tools: emptying the test run's own recycle bin (full, already empty, no shell
// function), and the installed-software panel and the system information program as the
// launcher is asked to start them.
#include "multiclean/windows_tools.h"

#include <gtest/gtest.h>

#include "app/app_windows.h"
#include "base/recycle.h"
#include "base/texts.h"
#include "support/fake_seams.h"
#include "support/registry_override.h"
#include "support/scratch.h"

using namespace scrubwell;

namespace {

const char* const kTexts =
    "[0]\r\nENGLISH\r\n[1]\r\nScrubwell\r\n[246]\r\nemptied\r\n[5250]\r\nnot emptied\r\n[END]\r\n";

const char* const kMsInfoKey = "Software\\Microsoft\\Shared Tools\\MSInfo";

}  // namespace

TEST(WindowsTools, TheRecycleBinIsEmptiedOnlyWhenItWasAndSaysSo) {
  const std::string trash = test::runTrashFolder();
  ASSERT_FALSE(trash.empty()) << "the recycle bin is not the test run's own: not emptying it";
  test::ScopedSeams seams;
  test::ScratchFolder d('D');
  translation().loadFromText(kTexts);
  AppWindows w;

  ASSERT_TRUE(test::writeFile(d / "thrown away.txt", "binned"));
  ASSERT_TRUE(sendToRecycleBin(d / "thrown away.txt"));
  ASSERT_TRUE(test::fileExists(trash + "thrown away.txt"));
  w.windowsTools.emptyRecycleBin.click();
  EXPECT_FALSE(test::fileExists(trash + "thrown away.txt"));
  EXPECT_EQ(w.message.lines[0].text(), "emptied");

  EXPECT_EQ(emptyRecycleBin(nullptr), RecycleBinEmptying::alreadyEmpty);
  w.message.lines[0].setText("");
  w.windowsTools.emptyRecycleBin.click();
  EXPECT_EQ(w.message.lines[0].text(), "emptied") << "an empty bin is an emptied one";
  EXPECT_EQ(seams.prompts.countOf("message"), 0) << "no system question";

  ASSERT_TRUE(test::writeFile(d / "stays.txt", "stays in the bin"));
  ASSERT_TRUE(sendToRecycleBin(d / "stays.txt"));
  EXPECT_EQ(emptyRecycleBin(nullptr, "KERNEL32.DLL", "SHEmptyRecycleBinA"),
            RecycleBinEmptying::unavailable);
  EXPECT_EQ(emptyRecycleBin(nullptr, "NOSUCHSHELL.DLL", "SHEmptyRecycleBinA"),
            RecycleBinEmptying::unavailable);
  EXPECT_EQ(test::readFile(trash + "stays.txt"), "stays in the bin");
  EXPECT_EQ(emptyRecycleBin(nullptr), RecycleBinEmptying::emptied);
  translation().clear();
}

TEST(WindowsTools, TheLauncherGetsFullPathsAndTheRegistryIsOnlyRead) {
  test::ScopedSeams seams;
  test::RegistryOverride machine(HKEY_LOCAL_MACHINE);
  ASSERT_TRUE(machine.ok());
  test::ScratchFolder d('D');
  AppWindows w;

  char system[MAX_PATH] = {};
  ASSERT_GT(GetSystemDirectoryA(system, MAX_PATH), 0u);
  w.windowsTools.installedSoftware.click();
  ASSERT_EQ(seams.launcher.launches().size(), 1u);
  EXPECT_EQ(seams.launcher.launches()[0].file, std::string(system) + "\\rundll32.exe");
  EXPECT_EQ(seams.launcher.launches()[0].parameters, "shell32.dll,Control_RunDLL Appwiz.cpl");

  // No key: nothing starts and no key is made by the reading.
  w.windowsTools.systemInformation.click();
  EXPECT_EQ(seams.launcher.launches().size(), 1u);
  EXPECT_FALSE(test::regKeyExists(HKEY_LOCAL_MACHINE, kMsInfoKey));

  // A path to no file, or to a folder: nothing starts.
  ASSERT_TRUE(test::setRegString(HKEY_LOCAL_MACHINE, kMsInfoKey, "Path", d / "msinfo32.exe"));
  w.windowsTools.systemInformation.click();
  ASSERT_TRUE(test::makeFolders(d / "msinfo32.exe"));
  w.windowsTools.systemInformation.click();
  EXPECT_EQ(seams.launcher.launches().size(), 1u);

  ASSERT_TRUE(
      test::setRegString(HKEY_LOCAL_MACHINE, kMsInfoKey, "Path", d / "MSINFO\\msinfo32.exe"));
  ASSERT_TRUE(test::writeFile(d / "MSINFO\\msinfo32.exe", "MZ"));
  w.windowsTools.systemInformation.click();
  ASSERT_EQ(seams.launcher.launches().size(), 2u);
  EXPECT_EQ(seams.launcher.launches()[1].file, d / "MSINFO\\msinfo32.exe");
  EXPECT_EQ(seams.launcher.launches()[1].parameters, "");
}
