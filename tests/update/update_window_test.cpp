// The update window with the program's windows: a check against the loopback server through the
// window's buttons, closing it during a check, the reinstall page, the hand-over when the updater
// is missing and when it is there, and the automatic check 100 ms after start-up.
#include "update/update_window.h"

#include "app/startup.h"
#include "base/data_folder.h"
#include "base/settings_file.h"
#include "support/app_sandbox.h"
#include "ui/framework/timer.h"
#include "ui/test_program.h"
#include "update_fixture.h"

using namespace scrubwell;
using namespace scrubwell::test;

namespace {

const char* const kTexts =
    "[1]\r\nScrubwell\r\n[304]\r\nnever\r\n[317]\r\nup to date\r\n[318]\r\nfailed\r\n"
    "[319]\r\ntoo old\r\n[321]\r\nready\r\n[324]\r\nprogram\r\n[328]\r\nlanguages\r\n"
    "[5343]\r\nno updater\r\n[5344]\r\nno web page\r\n";

// The program's windows over a private data folder whose update location is the loopback server,
// with %TEMP% pointing at a scratch folder.
class UpdateWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.listening() && sandbox.ok());
    ASSERT_TRUE(makeFolders(temp.path()));
    GetEnvironmentVariableA("TEMP", oldTemp, sizeof oldTemp);
    SetEnvironmentVariableA("TEMP", temp.path().substr(0, temp.path().size() - 1).c_str());
    data = dataFolder(kProductName);
    ASSERT_TRUE(writeFile(data + "update.ini", "[updateinfo]\r\nupdateurl=" + server.baseUrl() +
                                                   "\r\n[versions]\r\nScrubwell.t01=1\r\n"));
    program.w.main.lastUpdate.setText("never");
  }
  void TearDown() override { SetEnvironmentVariableA("TEMP", oldTemp); }

  // Opens the window; `act` runs while it is shown (the scripted modal run).
  void openWith(std::function<void()> act) {
    program.seams.prompts.answerModal("update", [act] {
      act();
      return IDOK;
    });
    program.w.update.open();
  }
  void publish(const std::string& rest) {
    server.serve("/update.ini", "[updateinfo]\r\nreinstallIfOlderThen=8.10\r\n" + rest);
  }

  LoopbackHttpServer server;
  AppSandbox sandbox;
  ScratchFolder temp{'D', "tmp"};
  TestProgram program{kTexts};
  std::string data;
  char oldTemp[MAX_PATH] = {};
};

}  // namespace

TEST_F(UpdateWindowTest, UpToDateShowsTheTextAndTodaysDate) {
  publish("[files]\r\nnumber=1\r\nfile1=Scrubwell.t01\r\n[versions]\r\nScrubwell.t01=1\r\n");
  auto& u = program.w.update;
  program.w.main.create();
  openWith([&] {
    EXPECT_TRUE(u.intro.visible() && u.introGoOn.visible());
    u.introGoOn.click();
    EXPECT_TRUE(u.result.visible());
    EXPECT_EQ(u.result.text(), "up to date");
    u.resultGoOn.click();
  });
  EXPECT_EQ(program.w.main.lastUpdate.text(), todayAsShortDate());
  EXPECT_EQ(server.requests(), (std::vector<std::string>{"/update.ini"}));
  // "Check for Updates now" stands 10 pixels right of the date, on its row.
  RECT date, button;
  GetWindowRect(program.w.main.lastUpdate.hwnd(), &date);
  GetWindowRect(program.w.main.checkUpdates.hwnd(), &button);
  EXPECT_EQ(button.left, date.right + 10);
  EXPECT_LT(button.top, date.bottom);
  EXPECT_GT(button.bottom, date.top);
}

TEST_F(UpdateWindowTest, PreparedUpdateHandsOverOnlyToAnUpdater) {
  publish(
      "[files]\r\nnumber=2\r\nfile1=Scrubwell.t01\r\nfile2=Scrubwell.t00\r\n"
      "[versions]\r\nScrubwell.t01=2\r\nScrubwell.t00=1\r\n"
      "[types]\r\nScrubwell.t01=lang\r\nScrubwell.t00=lang\r\n");
  server.serve("/Scrubwell.t01", "[0]\r\nDeutsch\r\n");
  server.serve("/Scrubwell.t00", "[0]\r\nENGLISH\r\n");
  auto& u = program.w.update;
  const std::string script = data + "updatescript.dat";
  openWith([&] {
    u.introGoOn.click();
    EXPECT_TRUE(u.details.visible());
    EXPECT_EQ(u.categories.items(), (std::vector<std::string>{"-languages", ""}));
    EXPECT_TRUE(fileExists(script));
    u.detailsGoOn.click();  // no UPDATER.EXE in the data folder or beside the test
  });
  EXPECT_FALSE(fileExists(script)) << "an update that cannot be handed over is dropped";
  EXPECT_EQ(program.w.message.lines[0].text(), "no updater");
  EXPECT_TRUE(program.seams.launcher.launches().empty());

  // With the updater in the data folder the hand-over starts it and the program ends.
  ASSERT_TRUE(writeFile(data + "UPDATER.EXE", programBytes()));
  openWith([&] {
    u.introGoOn.click();
    u.detailsGoOn.click();
  });
  ASSERT_EQ(program.seams.launcher.launches().size(), 1u);
  EXPECT_EQ(program.seams.launcher.launches()[0].file, data + "UPDATER.EXE");
  EXPECT_EQ(program.seams.launcher.launches()[0].parameters, "\"" + script + "\"");
  MSG quit;
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the program ends";
}

TEST_F(UpdateWindowTest, ClosingDuringTheCheckCancelsIt) {
  HttpReply slow(200,
                 "[updateinfo]\r\nreinstallIfOlderThen=8.10\r\n[files]\r\nnumber=1\r\n"
                 "file1=Scrubwell.t01\r\n[versions]\r\nScrubwell.t01=2\r\n");
  slow.delayMs = 800;
  server.serve("/update.ini", slow);
  auto& u = program.w.update;
  // The user closes the window once the check is under way (the description takes 800 ms),
  // after two ticks of the animation, which runs while the check does.
  std::vector<int> pictures;
  bool animating = false;
  ui::Timer closer{50, false};
  closer.onTimer = [&] {
    if (!u.checking()) return;
    closer.setEnabled(false);
    animating = u.animationTimer.enabled();
    for (int tick = 0; tick < 3; ++tick, u.animationTimer.fire())
      pictures.push_back(u.animation.frame());
    u.close();
  };
  openWith([&] {
    closer.setEnabled(true);
    u.introGoOn.click();
  });
  EXPECT_TRUE(animating);
  EXPECT_EQ(pictures.size(), 3u);
  EXPECT_NE(pictures[1], pictures[2]) << "each tick shows the next picture";
  EXPECT_FALSE(u.animationTimer.enabled()) << "the animation stops with the window";
  EXPECT_FALSE(u.checking());
  EXPECT_FALSE(u.handOverPending());
  const auto requests = server.requests();
  EXPECT_TRUE(requests.empty() || requests == std::vector<std::string>{"/update.ini"})
      << "nothing after the close";
  EXPECT_FALSE(fileExists(data + "updatescript.dat"));
  EXPECT_EQ(program.w.main.lastUpdate.text(), "never");
}

TEST_F(UpdateWindowTest, ReinstallPageOpensOnlyForWebAddresses) {
  auto& u = program.w.update;
  auto reinstallWith = [&](const std::string& page) {
    server.serve(
        "/update.ini",
        "[updateinfo]\r\nreinstallIfOlderThen=9,0\r\nreinstallFileFullEngl=" + page + "\r\n");
    openWith([&] {
      u.introGoOn.click();
      EXPECT_EQ(u.result.text(), "too old");
      EXPECT_TRUE(u.reinstallGoOn.visible());
      EXPECT_FALSE(u.resultGoOn.visible());
      u.reinstallGoOn.click();
    });
  };
  reinstallWith("file:///C:/windows/notepad.exe");
  EXPECT_TRUE(program.seams.launcher.launches().empty());
  EXPECT_EQ(program.w.message.lines[0].text(), "no web page");
  MSG quit;
  EXPECT_FALSE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the program stays";

  reinstallWith("https://example.invalid/scrubwell/");
  ASSERT_EQ(program.seams.launcher.launches().size(), 1u);
  EXPECT_EQ(program.seams.launcher.launches()[0].file, "https://example.invalid/scrubwell/");
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the program ends";
}

TEST_F(UpdateWindowTest, AutomaticCheckOpensTheWindowAfterFourteenDays) {
  program.seams.clock.setLocal(2026, 3, 20, 8,
                               0);  // in the morning: 13 days and 8 hours round to 13
  auto shownDaysAgo = [](int days) {
    SYSTEMTIME t = localTime(2026, 3, 20 - days);
    char buf[64] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, buf, sizeof buf);
    return std::string(buf);
  };
  struct Case {
    int days;
    bool box;
    int opened;
  };
  for (const Case& c :
       {Case{14, true, 1}, Case{13, true, 0}, Case{14, false, 0}, Case{19, true, 1}}) {
    const int before = program.seams.prompts.countOf("modal");
    program.w.main.lastUpdate.setText(shownDaysAgo(c.days));
    program.w.main.autoUpdate.setChecked(c.box);
    updateTimerTick();  // the window is asked for by name; unanswered, it closes at once
    EXPECT_EQ(program.seams.prompts.countOf("modal") - before, c.opened)
        << c.days << " days, box " << c.box;
  }
  EXPECT_EQ(program.seams.prompts.asked().back().text, "update");
  EXPECT_TRUE(program.w.update.intro.visible()) << "the check waits for the user";
  EXPECT_TRUE(server.requests().empty()) << "opening alone fetches nothing";
}
