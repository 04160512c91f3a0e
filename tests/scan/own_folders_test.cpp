// The own-folder list and the automatic search for temp folders that fills it.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>

#include "base/file_ops.h"
#include "platform/text_upper.h"
#include "scan/cancel_flag.h"
#include "scan/folder_gate.h"
#include "scan/own_folder_list.h"
#include "scan/temp_folder_search.h"
#include "support/scratch.h"

using namespace scrubwell;
using namespace scrubwell::test;

namespace {

std::string shortForm(const std::string& path) {
  char buffer[MAX_PATH] = {};
  DWORD n = GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
  return n > 0 && n < MAX_PATH ? std::string(buffer, n) : path;
}

std::string profileFolder() {
  char buffer[MAX_PATH] = {};
  SHGetFolderPathA(nullptr, CSIDL_PROFILE, nullptr, 0, buffer);
  return buffer;
}

std::vector<std::string> relativeTo(const std::string& base,
                                    const std::vector<std::string>& paths) {
  std::vector<std::string> out;
  for (const std::string& p : paths)
    out.push_back(_strnicmp(p.c_str(), base.c_str(), base.size()) == 0 ? p.substr(base.size()) : p);
  return out;
}

}  // namespace

TEST(OwnFolderList, KeepsOneEntryPerFolderAndNeverAProtectedOne) {
  ScratchFolder d('D');
  ASSERT_TRUE(makeFolders(d / "Scratch\\Temp"));
  const std::vector<std::string> guarded = protectedFolders();
  const std::string profile = profileFolder();
  const std::string profileParent = profile.substr(0, profile.rfind('\\'));
  std::vector<std::string> list;
  EXPECT_TRUE(addOwnFolder(list, d / "Scratch\\Temp\\", guarded));
  EXPECT_FALSE(addOwnFolder(list, toLower(d / "scratch\\temp"), guarded)) << "same, other case";
  EXPECT_FALSE(addOwnFolder(list, shortForm(d / "Scratch\\Temp"), guarded)) << "short form";
  EXPECT_TRUE(addOwnFolder(list, "E:\\Not Plugged In\\cache\\", guarded));
  for (const std::string& refused :
       {std::string("C:\\"), std::string("D:"), std::string("d:\\."), windowsFolder(),
        shortForm(windowsFolder()) + "\\", profile, profileParent, std::string("temp"),
        std::string("\\\\server\\share"), std::string("   ")})
    EXPECT_FALSE(addOwnFolder(list, refused, guarded)) << refused;
  EXPECT_EQ(list, (std::vector<std::string>{d / "Scratch\\Temp", "E:\\Not Plugged In\\cache"}));

  // A stored list is cleaned the same way when it is loaded.
  EXPECT_EQ(cleanedOwnFolders({std::string("C:\\"), d / "Scratch\\Temp", windowsFolder() + "\\",
                               toUpper(d / "Scratch\\Temp\\")},
                              guarded),
            std::vector<std::string>{d / "Scratch\\Temp"});
}

TEST(TempFolderSearch, FindsTempFoldersWithoutLookingInsideThemOrAtTheScannedOnes) {
  ScratchFolder d('D');
  for (const char* f :
       {"Apps\\Foo\\Temp\\Sub\\x", "Apps\\Foo\\Temp\\y", "Apps\\Bar\\cache4\\z", "X\\tmp\\w",
        "MyTemp\\v", "System\\Temp\\u", "User\\Local Temp\\Temp\\t", "Later\\TEMP\\s"})
    ASSERT_TRUE(writeFile(d / f, "x"));
  SetFileAttributesA((d / "X").c_str(), FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesA((d / "System").c_str(), FILE_ATTRIBUTE_SYSTEM);
  // The user's own TEMP, known in its short form, is the temp-folder scan's and is never found.
  const std::string userTemp = shortForm(d / "User\\Local Temp\\Temp");
  ASSERT_NE(userTemp, d / "User\\Local Temp\\Temp") << "the test needs a short form";
  const TemporaryFolderNames names({d / "User\\Local Temp\\Temp\\"});
  ProcessFlag cancel;
  const std::vector<std::string> found = findTemporaryFolders(
      {d.path()}, names, SearchExceptions(defaultSearchExceptions()), cancel, nullptr, 0);
  std::vector<std::string> relative = relativeTo(d.path(), found);
  std::sort(relative.begin(), relative.end());
  EXPECT_EQ(relative, (std::vector<std::string>{"Apps\\Bar\\cache4", "Apps\\Foo\\Temp",
                                                "Later\\TEMP", "X\\tmp"}));

  // The names of the temporary folders themselves are recognised in any spelling TEMP has.
  SetEnvironmentVariableA("TEMP", userTemp.c_str());
  EXPECT_FALSE(TemporaryFolderNames().isTemporaryFolder(d / "User\\Local Temp\\Temp\\"));
  EXPECT_FALSE(TemporaryFolderNames().isTemporaryFolder(windowsFolder() + "\\Temp\\"));
  EXPECT_TRUE(TemporaryFolderNames().isTemporaryFolder(d / "Apps\\Foo\\Temp\\"));
}
