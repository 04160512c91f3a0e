// The command-line modes of the real program: "uninstall" asks and removes the data folder,
// showing the survey page (or its link) on Yes; "update" applies the update script, written in
// exactly that case.
#include <gtest/gtest.h>

#include "e2e/program_driver.h"
#include "main_window_res.h"
#include "splash_window_res.h"
#include "support/scratch.h"

using namespace scrubwell::test;

namespace {

// The uninstall question: a message box of the program with Yes and No.
HWND waitForQuestion(RunningProgram& p) { return p.waitForWindow(IDYES); }

void prepareDataFolder() {
  ASSERT_TRUE(writeFile(programDataFolder() + "Scrubwell.ini", "[Language]\r\nselected=0\r\n"));
  ASSERT_TRUE(writeFile(programDataFolder() + "BACKUP\\1.bck", "archive"));
}

}  // namespace

TEST(CommandLine, UninstallAnsweredNoRemovesTheDataFolder) {
  std::string exe = installProgram() + "Scrubwell.exe";
  prepareDataFolder();
  RunningProgram p(exe, "uninstall");
  HWND question = waitForQuestion(p);
  ASSERT_NE(question, nullptr) << "uninstall asks first";
  EXPECT_NE(GetDlgItem(question, IDNO), nullptr);
  clickButton(question, IDNO);
  EXPECT_EQ(p.waitForExit(), 0);
  EXPECT_FALSE(folderExists(programDataFolder()));
  EXPECT_EQ(findWindowWithControl(IDC_MAIN_SIDE1), nullptr) << "no other window in this mode";
}

TEST(CommandLine, UninstallAnsweredYesShowsTheSurveyAndRemovesTheDataFolder) {
  std::string exe = installProgram() + "Scrubwell.exe";
  prepareDataFolder();
  RunningProgram p(exe, "/uninstall");
  HWND question = waitForQuestion(p);
  ASSERT_NE(question, nullptr);
  clickButton(question, IDYES);
  HWND survey = p.waitForWindow(IDC_SUR_CLOSE);
  ASSERT_NE(survey, nullptr) << "the survey window";
  // Wine here has no browser engine: the address is offered as a link.
  EXPECT_NE(controlText(survey, IDC_SUR_LINK).find("http"), std::string::npos);
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(survey, IDC_SUR_LINK)));
  saveScreenshot(survey, "uninstall-survey-window");
  EXPECT_FALSE(folderExists(programDataFolder())) << "removed while the survey is shown";
  clickButton(survey, IDC_SUR_CLOSE);
  EXPECT_EQ(p.waitForExit(), 0);
}

TEST(CommandLine, UpdateScriptIsAppliedOnlyForTheExactArgument) {
  std::string exe = installProgram() + "Scrubwell.exe";
  ScratchFolder dir('D');
  const std::string script = programDataFolder() + "updatescript.dat";
  // A downloaded file goes to the data folder (the only place besides the program file an update
  // may write).
  const std::string target = programDataFolder() + "updated.txt";
  DeleteFileA(target.c_str());
  auto writeScript = [&] {
    ASSERT_TRUE(writeFile(dir / "new.txt", "new content"));
    ASSERT_TRUE(
        writeFile(script, "Scrubwell update\r\n" + (dir / "new.txt") + "\r\n" + target + "\r\n"));
  };
  writeScript();
  {
    RunningProgram p(exe, "/UPDATE");
    ASSERT_NE(p.waitForWindow(0), nullptr);
  }
  EXPECT_TRUE(fileExists(script)) << "/UPDATE in upper case applies nothing";
  EXPECT_FALSE(fileExists(target));
  {
    RunningProgram p(exe, "update");
    ASSERT_NE(p.waitForWindow(0), nullptr);
  }
  EXPECT_FALSE(fileExists(script)) << "the script is deleted after it was applied";
  EXPECT_FALSE(fileExists(dir / "new.txt")) << "each source is deleted";
  EXPECT_EQ(readFile(target), "new content");
}
