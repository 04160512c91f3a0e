// The update script's text, and what is accepted of a command line naming a script and of the
// script's pairs (UPDATER.EXE and the program started with "/update" apply only those).
#include <gtest/gtest.h>

#include "base/update_script.h"

using namespace scrubwell;

namespace {
const std::string kData = "C:\\users\\u\\Local Settings\\Application Data\\Korvantis\\Scrubwell\\";
const std::string kProgram = "C:\\Program Files\\Scrubwell\\Scrubwell.exe";
}  // namespace

TEST(UpdateScriptText, WritesProgramThenPairsAndReadsBack) {
  std::vector<UpdateCopy> pairs{{"C:\\temp\\Scrubwell.exe", kProgram},
                                {"C:\\temp\\Scrubwell.t01", kData + "Scrubwell.t01"}};
  auto text = updateScriptText(kProgram, pairs);
  ASSERT_TRUE(text);
  EXPECT_EQ(*text, kProgram + "\r\nC:\\temp\\Scrubwell.exe\r\n" + kProgram +
                       "\r\nC:\\temp\\Scrubwell.t01\r\n" + kData + "Scrubwell.t01\r\n");
  std::vector<std::string> lines{kProgram};
  for (auto& p : pairs) lines.insert(lines.end(), {p.source, p.destination});
  auto back = updateScriptPairs(lines);
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back[1].destination, kData + "Scrubwell.t01");

  EXPECT_FALSE(updateScriptText(kProgram, {{"C:\\a\r\nC:\\b", kData + "x"}})) << "line break";
  EXPECT_FALSE(updateScriptText(kProgram, {{"C:\\a", ""}}));
  EXPECT_FALSE(updateScriptText("", {}));
  EXPECT_EQ(updateScriptText(kProgram, {}), kProgram + "\r\n");
}

TEST(UpdateScriptPlan, CommandLineIsOneScriptPath) {
  EXPECT_EQ(updateScriptArgument("\"" + kData + "updatescript.dat\""), kData + "updatescript.dat");
  EXPECT_EQ(updateScriptArgument("  C:\\d\\UPDATESCRIPT.DAT "), "C:\\d\\UPDATESCRIPT.DAT");
  for (const char* bad :
       {"", "\"\"", "\"C:\\d\\updatescript.dat", "C:\\d\\updatescript.dat C:\\e\\updatescript.dat",
        "\"C:\\d\\updatescript.dat\" /x", "updatescript.dat", "\"C:\\d\\other.dat\"",
        "\"C:\\d\\..\\updatescript.dat\"", "/update", "\"C:\\my dir\\updatescript.dat\" \"x\""})
    EXPECT_FALSE(updateScriptArgument(bad)) << bad;
  EXPECT_EQ(updateScriptArgument("\"C:\\my dir\\updatescript.dat\""),
            "C:\\my dir\\updatescript.dat");
}

TEST(UpdateScriptPlan, OnlyTheProgramAndFilesOfTheDataFolder) {
  std::vector<std::string> lines{kProgram,
                                 "C:\\temp\\Scrubwell.exe",
                                 "c:\\program files\\scrubwell\\SCRUBWELL.EXE",
                                 "C:\\temp\\a.t01",
                                 kData + "a.t01",
                                 "C:\\temp\\b",
                                 "C:\\Windows\\system32\\evil.dll",
                                 "C:\\temp\\c",
                                 kData + "sub\\c.txt",
                                 "C:\\temp\\d",
                                 kData + "..\\d.txt",
                                 "C:\\temp\\e",
                                 kData + "con",
                                 kData + "same.txt",
                                 kData + "same.txt",
                                 "relative.txt",
                                 kData + "f.txt",
                                 "C:\\temp\\last-without-destination"};
  UpdateScriptPlan plan = planUpdateScript(lines, kData);
  EXPECT_EQ(plan.program, kProgram);
  ASSERT_EQ(plan.accepted.size(), 2u);
  EXPECT_EQ(plan.accepted[0].source, "C:\\temp\\Scrubwell.exe");
  EXPECT_EQ(plan.accepted[1].destination, kData + "a.t01");
  EXPECT_EQ(plan.refused.size(), 7u);
  EXPECT_TRUE(planUpdateScript({}, kData).accepted.empty());
  // A first line that is no full path makes no pair the program's.
  EXPECT_TRUE(
      planUpdateScript({"Scrubwell.exe", "C:\\t\\x", "Scrubwell.exe"}, kData).accepted.empty());
}
