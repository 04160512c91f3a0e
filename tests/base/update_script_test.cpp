// Applying the update script found in the data folder.
#include "base/update_script.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "base/file_ops.h"
#include "support/app_sandbox.h"

using namespace scrubwell;
using test::AppSandbox;

namespace {

void writeScript(const AppSandbox& box, const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& l : lines) text += l + "\r\n";
  ASSERT_TRUE(test::writeFile(box.data() + "updatescript.dat", text));
}

}  // namespace

TEST(UpdateScript, CopiesExistingSourcesDeletesSourcesAndTheScript) {
  AppSandbox box;
  test::ScratchFolder dir('D');
  ASSERT_TRUE(test::writeFile(dir / "new1.exe", "version 2"));
  ASSERT_TRUE(test::writeFile(dir / "old1.exe", "version 1"));
  ASSERT_TRUE(test::writeFile(dir / "new3.dll", "dll 2"));
  writeScript(box, {"Scrubwell update", dir / "new1.exe", dir / "old1.exe",  //
                    dir / "missing.txt", dir / "untouched.txt",              //
                    dir / "new3.dll", dir / "lib.dll"});
  ASSERT_TRUE(test::writeFile(dir / "untouched.txt", "keep"));

  EXPECT_TRUE(applyUpdateScript("Scrubwell"));
  EXPECT_EQ(test::readFile(dir / "old1.exe"), "version 2");
  EXPECT_EQ(test::readFile(dir / "untouched.txt"), "keep");
  EXPECT_EQ(test::readFile(dir / "lib.dll"), "dll 2");
  EXPECT_FALSE(fileExists(dir / "new1.exe"));
  EXPECT_FALSE(fileExists(dir / "new3.dll"));
  EXPECT_FALSE(fileExists(box.data() + "updatescript.dat"));
  EXPECT_FALSE(applyUpdateScript("Scrubwell"));  // no script any more
}

TEST(UpdateScript, OddLineCountAndSelfCopyEndDefined) {
  AppSandbox box;
  test::ScratchFolder dir('D');
  ASSERT_TRUE(test::writeFile(dir / "a.new", "A"));
  ASSERT_TRUE(test::writeFile(dir / "same.dat", "data"));
  ASSERT_TRUE(test::writeFile(dir / "orphan.new", "O"));
  writeScript(box, {"header", dir / "a.new", dir / "a.txt", dir / "SAME.DAT", dir / "same.dat",
                    dir / "orphan.new"});
  EXPECT_TRUE(applyUpdateScript("Scrubwell"));
  EXPECT_EQ(test::readFile(dir / "a.txt"), "A");
  EXPECT_EQ(test::readFile(dir / "same.dat"), "data");  // a file is never copied onto itself
  EXPECT_FALSE(fileExists(dir / "orphan.new"));         // a source without destination goes
  EXPECT_FALSE(fileExists(box.data() + "updatescript.dat"));

  ASSERT_TRUE(test::writeFile(box.data() + "updatescript.dat", ""));
  EXPECT_TRUE(applyUpdateScript("Scrubwell"));  // empty script: nothing to do, then deleted
  EXPECT_FALSE(fileExists(box.data() + "updatescript.dat"));
}

TEST(UpdateScript, AFailedCopyRaisesAndKeepsTheScript) {
  AppSandbox box;
  test::ScratchFolder dir('D');
  ASSERT_TRUE(test::writeFile(dir / "a.new", "A"));
  writeScript(box, {"header", dir / "a.new", dir / "no such folder\\a.txt"});
  EXPECT_THROW(applyUpdateScript("Scrubwell"), std::runtime_error);
  EXPECT_TRUE(fileExists(box.data() + "updatescript.dat"));
  EXPECT_TRUE(fileExists(dir / "a.new"));
}
