// The registry check's text rules and its findings table.
#include <gtest/gtest.h>

#include <set>

#include "registry/registry_record.h"
#include "registry/registry_rules.h"

namespace scrubwell {
namespace {

TEST(StripSurroundingQuotes, OnlyBothEndsOfALongerText) {
  EXPECT_EQ(stripSurroundingQuotes("\"C:\\a.exe\""), "C:\\a.exe");
  EXPECT_EQ(stripSurroundingQuotes("\"\"\""), "\"");
  EXPECT_EQ(stripSurroundingQuotes("\"\""), "\"\"") << "two characters stay";
  EXPECT_EQ(stripSurroundingQuotes("\"C:\\a.exe"), "\"C:\\a.exe");
  EXPECT_EQ(stripSurroundingQuotes("\"\"x\"\""), "\"x\"") << "one pair per call";
}

TEST(IsExempt, AnyCaseAnywhere) {
  EXPECT_TRUE(isExempt("C:\\Programs\\openoffice.org\\soffice.exe"));
  EXPECT_TRUE(isExempt("x\\NIKONVIEW6\\y"));
  EXPECT_TRUE(isExempt("Microsoft ActiveSync"));
  EXPECT_TRUE(isExempt("c:\\INCREDIMAIL\\x.exe"));
  EXPECT_FALSE(isExempt("C:\\Office\\word.exe"));
}

TEST(FileTypeProgramPath, QuotedUnquotedAndRefusedCommands) {
  EXPECT_EQ(fileTypeProgramPath("\"C:\\Tools\\viewer.exe\" \"%1\""), "C:\\Tools\\viewer.exe");
  EXPECT_EQ(fileTypeProgramPath("C:\\Tools\\viewer.exe /open %1"), "C:\\Tools\\viewer.exe");
  EXPECT_EQ(fileTypeProgramPath("%SystemRoot%\\notepad.exe %1"), "") << "not a drive path";
  EXPECT_EQ(fileTypeProgramPath("C:\\a.exe"), "") << "10 characters or fewer";
  EXPECT_EQ(fileTypeProgramPath("C:\\Tools\\viewer.exe,1"), "") << "a comma after the extension";
  EXPECT_EQ(fileTypeProgramPath("C:\\Tools\\viewer"), "C:\\Tools\\viewer") << "no dot: all of it";
  EXPECT_EQ(fileTypeProgramPath("C:\\Program Files\\v.ex"), "C:\\Program Files\\v.ex")
      << "a dot too close to the end is not searched for";
}

TEST(FileTypeCommandInvalid, AlternativesAndGuards) {
  std::set<std::string> files;
  auto exists = [&files](const std::string& p) { return files.count(p) > 0; };
  const std::string cmd = "\"C:\\Tools\\viewer.exe\" \"%1\"", path = "C:\\Tools\\viewer.exe";
  EXPECT_TRUE(fileTypeCommandInvalid(".vw", cmd, path, exists));
  files.insert(path + ".lnk");
  EXPECT_FALSE(fileTypeCommandInvalid(".vw", cmd, path, exists));
  files = {path + ".exe"};
  EXPECT_FALSE(fileTypeCommandInvalid(".vw", cmd, path, exists));
  files.clear();
  EXPECT_FALSE(fileTypeCommandInvalid(".", cmd, path, exists)) << "a one-character extension";
  EXPECT_FALSE(fileTypeCommandInvalid(".vw", cmd, "C:\\NAV\\NAVW32.EXE", exists));
  EXPECT_FALSE(fileTypeCommandInvalid(".vw", cmd, "C:\\%X%\\a.exe", exists));
}

TEST(UninstallVerdict, CommandsWithAndWithoutArguments) {
  std::set<std::string> files, folders;
  auto file = [&files](const std::string& p) { return files.count(p) > 0; };
  auto folder = [&folders](const std::string& p) { return folders.count(p) > 0; };
  const std::string withDir = "C:\\WINDOWS\\uninst.exe -f\"C:\\Program Files\\App\\DeIsL1.isu\"";
  EXPECT_EQ(uninstallProgramPath(withDir), "C:\\WINDOWS\\uninst.exe");
  EXPECT_EQ(argumentDirectory(withDir), "C:\\Program Files\\App");

  EXPECT_TRUE(uninstallEntryInvalid("C:\\Programs\\gone.exe", file, folder)) << "bare, missing";
  files.insert("C:\\Programs\\gone.exe");
  EXPECT_FALSE(uninstallEntryInvalid("C:\\Programs\\gone.exe", file, folder));
  EXPECT_FALSE(uninstallEntryInvalid("C:\\Programs\\GONE.EXE", file, folder)) << "upper-case EXE";
  EXPECT_FALSE(uninstallEntryInvalid("\"C:\\Programs\\x.exe\"", file, folder)) << "quoted";
  EXPECT_FALSE(uninstallEntryInvalid("C:\\Programs\\gone.exe /x", file, folder))
      << "arguments without a folder: valid";

  files = {"C:\\WINDOWS\\uninst.exe"};
  EXPECT_TRUE(uninstallEntryInvalid(withDir, file, folder))
      << "the program is there, the folder not";
  folders.insert("C:\\Program Files\\App");
  EXPECT_FALSE(uninstallEntryInvalid(withDir, file, folder));
  files.clear();
  EXPECT_TRUE(uninstallEntryInvalid(withDir, file, folder));
}

RegistryFinding finding(int n) {
  return {{FindingKind::sharedDll, "C:\\dll" + std::to_string(n) + ".dll", ""},
          "short " + std::to_string(n),
          "long " + std::to_string(n),
          true,
          ""};
}

TEST(RegistryFindings, TheThousandAndFirstIsDroppedAndLinesStayWithTheirRecords) {
  RegistryFindings table;
  for (int n = 0; n < 1000; ++n) ASSERT_TRUE(table.add(finding(n)));
  EXPECT_FALSE(table.add(finding(1000)));
  ASSERT_EQ(table.size(), 1000u);
  for (size_t line = 0; line < table.size(); line += 3) table.setChecked(line, false);
  EXPECT_EQ(table.checkedCount(), 666u);
  for (size_t line = 0; line < table.size(); ++line) {
    const std::string n = std::to_string(line);
    EXPECT_EQ(table[line].shortText, "short " + n);
    EXPECT_EQ(table[line].record.EntryName, "C:\\dll" + n + ".dll");
    EXPECT_EQ(table[line].checked, line % 3 != 0);
  }
}

TEST(RegistryFindings, PreviewLineHasFourTabSeparatedFields) {
  RegistryFinding f{{FindingKind::font, "Arial (TrueType)", kFontsKey}, "", "", true, "arial.ttf"};
  EXPECT_EQ(previewLine(f), std::string("font\tHKEY_LOCAL_MACHINE\\") + kFontsKey +
                                "\tArial (TrueType)\tarial.ttf");
  f.record = {FindingKind::fileType, ".vw", ""};
  f.target = "C:\\Tools\\viewer.exe";
  EXPECT_EQ(previewLine(f), "filetype\tHKEY_CLASSES_ROOT\\.vw\t\tC:\\Tools\\viewer.exe");
}

}  // namespace
}  // namespace scrubwell
