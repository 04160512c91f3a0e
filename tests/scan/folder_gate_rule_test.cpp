// The folder gate's string rules: how a spelling names its folder, the trailing backslash, and
// which resolved folders are refused (roots, protected folders and the folders above them).
#include "scan/folder_gate_rule.h"

#include <gtest/gtest.h>

using namespace scrubwell;

TEST(FolderGateRule, TellsHowASpellingNamesItsFolder) {
  const struct {
    const char* path;
    FolderPathForm form;
  } cases[] = {
      {"C:\\", FolderPathForm::driveAbsolute},   {"c:/temp", FolderPathForm::driveAbsolute},
      {"C:", FolderPathForm::bareDrive},         {"C:temp", FolderPathForm::relative},
      {"\\temp", FolderPathForm::relative},      {"temp\\", FolderPathForm::relative},
      {"", FolderPathForm::relative},            {"..\\x", FolderPathForm::relative},
      {"\\\\srv\\share", FolderPathForm::unc},   {"//srv/share/", FolderPathForm::unc},
      {"\\\\?\\C:\\x", FolderPathForm::device},  {"\\\\.\\PhysicalDrive0", FolderPathForm::device},
      {"\\\\?", FolderPathForm::device},         {"1:\\", FolderPathForm::relative},
  };
  for (const auto& c : cases) EXPECT_EQ(folderPathForm(c.path), c.form) << c.path;
}

TEST(FolderGateRule, LeavesExactlyOneTrailingBackslash) {
  EXPECT_EQ(withOneTrailingBackslash("C:\\a"), "C:\\a\\");
  EXPECT_EQ(withOneTrailingBackslash("C:\\a\\\\\\"), "C:\\a\\");
  EXPECT_EQ(withOneTrailingBackslash("C:/a//b/"), "C:\\a\\b\\");
  EXPECT_EQ(withOneTrailingBackslash("\\\\srv\\\\share"), "\\\\srv\\share\\")
      << "the leading pair of a share path stays";
  EXPECT_EQ(withOneTrailingBackslash("C:"), "C:\\");
}

TEST(FolderGateRule, RefusesRootsAndEveryFolderAboveAProtectedOne) {
  const std::vector<std::string> guarded = {"C:\\Windows\\", "C:\\Users\\Ann\\",
                                            "D:\\Tools\\Scrubwell\\",
                                            "C:\\Users\\Ann\\AppData\\Local\\Korvantis\\Scrubwell"};
  const struct {
    const char* folder;
    FolderRefusal refusal;
  } cases[] = {
      {"C:\\", FolderRefusal::driveRoot},
      {"C:", FolderRefusal::driveRoot},
      {"\\\\srv\\share\\", FolderRefusal::uncRoot},
      {"\\\\srv\\", FolderRefusal::uncRoot},
      {"\\\\srv\\share\\sub\\", FolderRefusal::none},
      {"C:\\WINDOWS\\", FolderRefusal::protectedFolder},
      {"C:\\windows\\system32\\", FolderRefusal::none},
      {"C:\\Users\\", FolderRefusal::protectedFolder},
      {"C:\\Users\\Ann\\", FolderRefusal::protectedFolder},
      {"C:\\Users\\Ann\\Documents\\", FolderRefusal::none},
      {"C:\\Users\\Ann\\AppData\\Local\\", FolderRefusal::protectedFolder},
      {"C:\\Users\\Ann\\AppData\\Local\\Korvantis\\Scrubwell\\", FolderRefusal::protectedFolder},
      {"C:\\Users\\Ann\\AppData\\Local\\Korvantis\\Scrubwell\\BACKUP\\", FolderRefusal::none},
      {"C:\\Users\\Ann\\AppData\\Local\\Temp\\", FolderRefusal::none},
      {"D:\\Tools\\", FolderRefusal::protectedFolder},
      {"D:\\Tool\\", FolderRefusal::none},  // a prefix of the name, not a folder above it
      {"D:\\Tools\\Scrubwell2\\", FolderRefusal::none},
      {"temp\\", FolderRefusal::notFullyQualified},
      {"\\\\?\\C:\\temp\\", FolderRefusal::devicePath},
  };
  for (const auto& c : cases) EXPECT_EQ(judgeResolvedFolder(c.folder, guarded), c.refusal) << c.folder;
}
