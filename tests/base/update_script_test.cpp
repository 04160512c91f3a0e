// Applying the update script found in the data folder.
#include "base/update_script.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "base/file_ops.h"
#include "platform/handles.h"
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
  const std::string program = dir / "Scrubwell.exe";
  ASSERT_TRUE(test::writeFile(dir / "new1.exe", "version 2"));
  ASSERT_TRUE(test::writeFile(program, "version 1"));
  ASSERT_TRUE(test::writeFile(dir / "new3.dll", "dll 2"));
  writeScript(box, {program, dir / "new1.exe", program,                 //
                    dir / "missing.txt", box.data() + "untouched.txt",  //
                    dir / "new3.dll", box.data() + "lib.dll"});
  ASSERT_TRUE(test::writeFile(box.data() + "untouched.txt", "keep"));

  EXPECT_TRUE(applyUpdateScript("Scrubwell"));
  EXPECT_EQ(test::readFile(program), "version 2");
  EXPECT_EQ(test::readFile(box.data() + "untouched.txt"), "keep");
  EXPECT_EQ(test::readFile(box.data() + "lib.dll"), "dll 2");
  EXPECT_FALSE(fileExists(dir / "new1.exe"));
  EXPECT_FALSE(fileExists(dir / "new3.dll"));
  EXPECT_FALSE(fileExists(box.data() + "updatescript.dat"));
  EXPECT_FALSE(applyUpdateScript("Scrubwell"));  // no script any more
}

TEST(UpdateScript, OnlyTheProgramAndTheDataFolderAreWritten) {
  AppSandbox box;
  test::ScratchFolder dir('D');
  ASSERT_TRUE(test::writeFile(dir / "a.new", "A"));
  ASSERT_TRUE(test::writeFile(dir / "elsewhere.txt", "keep"));
  ASSERT_TRUE(test::writeFile(box.data() + "same.dat", "data"));
  ASSERT_TRUE(test::writeFile(dir / "orphan.new", "O"));
  writeScript(box, {dir / "Scrubwell.exe", dir / "a.new", dir / "elsewhere.txt",  //
                    dir / "a.new", box.data() + "sub\\a.txt",                     //
                    box.data() + "SAME.DAT", box.data() + "same.dat", dir / "orphan.new"});
  EXPECT_TRUE(applyUpdateScript("Scrubwell"));
  EXPECT_EQ(test::readFile(dir / "elsewhere.txt"), "keep");
  EXPECT_FALSE(fileExists(box.data() + "sub\\a.txt"));
  EXPECT_EQ(test::readFile(box.data() + "same.dat"), "data");  // a file is never copied onto itself
  // Refused pairs are left alone, their sources too.
  EXPECT_TRUE(fileExists(dir / "a.new") && fileExists(dir / "orphan.new"));
  EXPECT_FALSE(fileExists(box.data() + "updatescript.dat"));

  ASSERT_TRUE(test::writeFile(box.data() + "updatescript.dat", ""));
  EXPECT_TRUE(applyUpdateScript("Scrubwell"));  // empty script: nothing to do, then deleted
  EXPECT_FALSE(fileExists(box.data() + "updatescript.dat"));
}

TEST(UpdateScript, AFailedCopyRaisesAndKeepsTheScript) {
  AppSandbox box;
  test::ScratchFolder dir('D');
  ASSERT_TRUE(test::writeFile(dir / "a.new", "A"));
  writeScript(box, {dir / "Scrubwell.exe", dir / "a.new", dir / "Scrubwell.exe"});
  ASSERT_TRUE(test::writeFile(dir / "Scrubwell.exe", "running"));
  // The destination is held open without sharing, so the stream copy cannot write it.
  scrubwell::FileHandle held(CreateFileA((dir / "Scrubwell.exe").c_str(), GENERIC_READ, 0, nullptr,
                                         OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(held);
  EXPECT_THROW(applyUpdateScript("Scrubwell"), std::runtime_error);
  EXPECT_TRUE(fileExists(box.data() + "updatescript.dat"));
  EXPECT_TRUE(fileExists(dir / "a.new"));
}
