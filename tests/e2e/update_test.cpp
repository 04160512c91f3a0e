// The update check of the real program against a loopback update location: "Check for Updates
// now", the categories, the hand-over to the real UPDATER.EXE, which installs the newer language
// file and starts the program again; and the automatic check opening the window by itself.
#include <gtest/gtest.h>

#include "e2e/program_driver.h"
#include "main_window_res.h"
#include "support/http_server.h"
#include "support/scratch.h"
#include "update_window_res.h"

using namespace scrubwell::test;

namespace {

// Waits until the control `id` of `dialog` is visible (a panel of the update window).
bool waitForVisible(HWND dialog, int id, DWORD timeoutMs = 20000) {
  for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(100))
    if (IsWindowVisible(GetDlgItem(dialog, id))) return true;
  return false;
}

const char* const kNewGerman = "[0]\r\nDeutsch\r\n[1]\r\nScrubwell (neu)\r\n[END]\r\n";

}  // namespace

TEST(Update, CheckNowInstallsTheNewerFileThroughTheUpdater) {
  const std::string folder = installProgram();
  ASSERT_FALSE(folder.empty());
  LoopbackHttpServer server;
  server.serve("/update.ini",
               "[updateinfo]\r\nreinstallIfOlderThen=8.10\r\n[files]\r\nnumber=2\r\n"
               "file1=Scrubwell.t01\r\nfile2=Scrubwell.t00\r\n[versions]\r\nScrubwell.t01=2\r\n"
               "Scrubwell.t00=1\r\n[types]\r\nScrubwell.t01=lang\r\n");
  server.serve("/Scrubwell.t01", kNewGerman);
  const std::string data = programDataFolder();
  ASSERT_TRUE(languageChosenWithSettings("[Language]\r\nselected=0\r\n"));
  ASSERT_TRUE(writeFile(data + "update.ini",
                        "[updateinfo]\r\nupdateurl=" + server.baseUrl() +
                            "\r\n[versions]\r\nScrubwell.t01=1\r\nScrubwell.t00=1\r\n"));
  RunningProgram p(folder + "Scrubwell.exe");
  HWND main = p.waitForWindow(IDC_MAIN_CHECKUPDATES);
  ASSERT_TRUE(main);
  clickButton(main, IDC_MAIN_CHECKUPDATES);
  HWND update = p.waitForWindow(IDC_UPD_INTRO_GOON);
  ASSERT_TRUE(update);
  clickButton(update, IDC_UPD_INTRO_GOON);
  ASSERT_TRUE(waitForVisible(update, IDC_UPD_DETAILS_GOON));
  EXPECT_EQ(SendDlgItemMessageA(update, IDC_UPD_CATEGORIES, LB_GETCOUNT, 0, 0), 2)
      << "one category";
  EXPECT_EQ(server.requests(), (std::vector<std::string>{"/update.ini", "/Scrubwell.t01"}));
  clickButton(update, IDC_UPD_DETAILS_GOON);
  EXPECT_EQ(p.waitForExit(), 0) << "the program ends for the updater";
  // UPDATER.EXE installs the file and starts the program again.
  ASSERT_TRUE(p.followRestart(IDC_MAIN_CHECKUPDATES, 30000));
  EXPECT_EQ(readFile(data + "Scrubwell.t01"), kNewGerman);
  EXPECT_FALSE(fileExists(data + "updatescript.dat"));
  char version[16] = {};
  GetPrivateProfileStringA("versions", "Scrubwell.t01", "", version, sizeof version,
                           (data + "update.ini").c_str());
  EXPECT_STREQ(version, "2") << "the new description is installed";
}

TEST(Update, AutomaticCheckOpensTheWindowWhenDue) {
  const std::string folder = installProgram();
  ASSERT_FALSE(folder.empty());
  ASSERT_TRUE(languageChosenWithSettings("[Updatescan]\r\nautoscan=1\r\nlastUpdate=never\r\n"));
  RunningProgram p(folder + "Scrubwell.exe");
  HWND update = p.waitForWindow(IDC_UPD_INTRO_GOON);
  ASSERT_TRUE(update) << "the update window opens by itself";
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(update, IDC_UPD_INTRO)));
  clickButton(update, IDC_UPD_BACK);
}
