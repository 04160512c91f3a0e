// The result rows' shortcut menu and "Save list..." in the results window: files and folders
// excluded for good through the real menu message, the containing folder opened, the paths
// copied, and the list saved as CSV.
#include <gtest/gtest.h>

#include "app/app_windows.h"
#include "app/startup.h"
#include "base/file_ops.h"
#include "scan/result_csv.h"
#include "support/app_sandbox.h"
#include "support/scratch.h"
#include "ui/test_program.h"

using namespace scrubwell;

namespace {

const char* const kTexts =
    "[155]\r\nfiles, size:\r\n[241]\r\nNothing found.\r\n[5440]\r\nNever list this file "
    "again\r\n[5441]\r\nNever search this folder\r\n[5442]\r\nOpen the containing "
    "folder\r\n[5443]\r\nCopy path\r\n";

// The windows over a private data folder, with drive D: offered and chosen.
struct Program : test::TestProgram {
  Program() : TestProgram(kTexts) {
    w.results.offerDrives(offerDrives({{'D', DriveType::fixed}}));
    w.results.driveChecks[0].setChecked(true);
  }
  std::vector<std::string> found() {
    std::vector<std::string> paths;
    for (size_t i = 0; i < w.results.results().size(); ++i)
      paths.push_back(w.results.results().path(i));
    return paths;
  }
  // Selects the rows of `paths` only.
  void select(const std::vector<std::string>& paths) {
    auto& list = w.results.results();
    for (size_t i = 0; i < list.size(); ++i) {
      bool wanted = false;
      for (const auto& p : paths) wanted = wanted || p == list.path(i);
      w.results.rows.selectRow(i, wanted);
    }
  }
  // Opens the shortcut menu from the keyboard and picks `item`.
  void menu(const std::string& item) {
    seams.prompts.answerMenu(item);
    SendMessageA(w.results.hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(w.results.rows.hwnd()),
                 -1);
  }
};

}  // namespace

TEST(ResultRowMenu, ExcludedFilesAndFoldersLeaveTheListAndStayOutOfTheNextScan) {
  test::AppSandbox sandbox;
  ASSERT_TRUE(sandbox.ok());
  test::ScratchFolder dir('D');
  for (const char* name : {"a.tmp", "keep\\b.tmp", "skip\\c.tmp", "skip\\deep\\d.bak"})
    ASSERT_TRUE(test::writeFile(dir / name, "x"));
  const size_t exceptionsBefore = [] {
    Program p;
    return p.w.options.exceptions.items().size();
  }();
  {
    Program p;
    p.w.main.show();
    p.w.results.junkSearchLauncher();
    ASSERT_EQ(p.found().size(), 4u);

    p.select({dir / "a.tmp"});
    p.menu("Never list this file again");
    p.select({dir / "skip\\c.tmp"});
    p.menu("Never search this folder");
    EXPECT_EQ(p.found(), (std::vector<std::string>{dir / "keep\\b.tmp"}));
    EXPECT_EQ(p.w.results.rows.rowCount(), 1u);
    EXPECT_EQ(p.w.results.statusLine.text().substr(0, 1), "1");

    const auto exceptions = p.w.options.exceptions.items();
    ASSERT_EQ(exceptions.size(), exceptionsBefore + 2);
    EXPECT_EQ(exceptions[exceptionsBefore], dir / "a.tmp");
    EXPECT_EQ(exceptions[exceptionsBefore + 1], dir / "skip");
    std::string ini;
    ASSERT_TRUE(readFileBytes(sandbox.data() + "Scrubwell.ini", ini, 1 << 20));
    EXPECT_NE(ini.find(dir / "a.tmp"), std::string::npos) << "saved at once";
    EXPECT_NE(ini.find(dir / "skip"), std::string::npos);
  }
  Program next;  // a new start with the saved settings
  loadSettingsNow();
  next.w.main.show();
  next.w.results.junkSearchLauncher();
  EXPECT_EQ(next.found(), (std::vector<std::string>{dir / "keep\\b.tmp"}));
  EXPECT_EQ(next.w.options.exceptions.items().size(), exceptionsBefore + 2) << "none twice";
}

TEST(ResultRowMenu, OpensTheFolderCopiesPathsAndSavesTheList) {
  test::AppSandbox sandbox;
  test::ScratchFolder dir('D');
  const std::string odd = dir / "a b,c\\x y.tmp";
  ASSERT_TRUE(test::writeFile(odd, "x"));
  ASSERT_TRUE(test::writeFile(dir / "z.bak", "yy"));
  Program p;
  p.w.main.show();
  p.w.results.junkSearchLauncher();
  ASSERT_EQ(p.found().size(), 2u);

  p.select({odd});
  p.menu("Open the containing folder");
  ASSERT_EQ(p.seams.launcher.launches().size(), 1u);
  EXPECT_EQ(p.seams.launcher.launches()[0].file, "explorer.exe");
  EXPECT_EQ(p.seams.launcher.launches()[0].parameters, "/select,\"" + odd + "\"");

  p.select(p.found());
  p.menu("Copy path");
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE text = GetClipboardData(CF_TEXT);
  const std::string copied = text ? static_cast<const char*>(GlobalLock(text)) : "";
  if (text) GlobalUnlock(text);
  CloseClipboard();
  EXPECT_EQ(copied, odd + "\r\n" + (dir / "z.bak"));
  EXPECT_EQ(p.found().size(), 2u) << "opening and copying change nothing";

  const std::string csv = dir / "list.csv";
  p.seams.prompts.answerSave(csv);
  p.w.results.saveListButton.click();
  std::string saved;
  ASSERT_TRUE(readFileBytes(csv, saved, 1 << 20));
  EXPECT_EQ(saved, resultListCsv(p.w.results.results()));
  EXPECT_EQ(saved.substr(0, saved.find("\r\n")), kResultCsvHeader);
  EXPECT_NE(saved.find("\"" + odd + "\",1,junk,yes\r\n"), std::string::npos);
}
