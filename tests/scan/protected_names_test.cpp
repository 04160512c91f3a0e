// The allowed-name rule: extension guard, system folders, protected fragments and pairs, the
// recycle and restore folders, and the search exceptions as folder, bare name and full path.
#include "scan/is_allowed.h"

#include <gtest/gtest.h>

#include "platform/text_upper.h"
#include "scan/protected_names.h"

using namespace scrubwell;

namespace {
const SearchExceptions kNone;
bool allowedFile(const std::string& folder, const std::string& name, const std::string& mask,
                 const SearchExceptions& e = kNone) {
  return isAllowed(folder, name, mask, true, e);
}
}  // namespace

TEST(ExtensionGuard, RejectsLooseThreeLetterMatches) {
  EXPECT_TRUE(passesExtensionGuard("report.bak", "*.bak"));
  EXPECT_TRUE(passesExtensionGuard("REPORT.BAK", "*.bak"));
  EXPECT_FALSE(passesExtensionGuard("report.bak1", "*.bak"));
  EXPECT_FALSE(passesExtensionGuard("a.tmpx", "*.tmp"));
  // Wildcards in the last four characters, or a mask of four characters or less: no guard.
  EXPECT_TRUE(passesExtensionGuard("report.bak1", "*.b?k"));
  EXPECT_TRUE(passesExtensionGuard("swapfile.xyz1", "SwapFile.*"));
  EXPECT_TRUE(passesExtensionGuard("a.tmpx", ".tmp"));
  EXPECT_TRUE(passesExtensionGuard("x.~mp1", "*.~??"));
  EXPECT_FALSE(passesExtensionGuard("chkdsk.chk1", "Chkdsk.chk"));
  // The guard is only for file passes.
  EXPECT_FALSE(isAllowed("C:\\", "a.tmpx", "*.tmp", true, kNone));
  EXPECT_TRUE(isAllowed("C:\\", "a.tmpx", "*.tmp", false, kNone));
}

TEST(ProtectedNames, FragmentsPairsAndSystemFolders) {
  EXPECT_FALSE(allowedFile("C:\\WINDOWS\\PCHEALTH\\", "X.TMP", "*.tmp"));
  EXPECT_FALSE(allowedFile("C:\\WINDOWS\\SYSTEM32\\", "DATA.BAK", "*.bak"));
  EXPECT_FALSE(allowedFile("C:\\Windows\\System32\\", "data.bak", "*.bak"));
  EXPECT_TRUE(allowedFile("C:\\TEMP\\", "OLD.BAK", "*.bak"));
  // Mixed-case fragments of the list match in any case.
  EXPECT_FALSE(allowedFile("C:\\PROGRAMS\\NAVBROWSER.EXE.OLD\\", "a.old", "*.old"));
  EXPECT_FALSE(allowedFile("D:\\Programme\\ScanSoft\\", "x.tmp", "*.tmp"));
  EXPECT_FALSE(allowedFile("C:\\X\\", "wndtls32.dll.bak", "*.bak"));
  // Pairs need both parts.
  EXPECT_FALSE(allowedFile("C:\\MS OFFICE\\", "NOTES.BAK", "*.bak"));
  EXPECT_TRUE(allowedFile("C:\\MS OFFICE\\", "NOTES.TMP", "*.tmp"));
  EXPECT_TRUE(allowedFile("C:\\WORK\\", "NOTES.BAK", "*.bak"));
  EXPECT_FALSE(allowedFile("D:\\Pinnacle\\", "Studio.tmp", "*.tmp"));
  EXPECT_FALSE(allowedFile("D:\\CDS\\", "ENC01.CDX.old", "*.old"));
  // System folders, for files and for entering folders alike.
  EXPECT_FALSE(allowedFile("E:\\System Volume Information\\", "a.tmp", "*.tmp"));
  EXPECT_FALSE(isAllowed("C:\\DOS\\", "SUB", "*.tmp", false, kNone));
  EXPECT_FALSE(allowedFile("C:\\Documents\\User\\SendTo\\", "a.tmp", "*.tmp"));
  EXPECT_TRUE(allowedFile("D:\\DOS\\", "a.tmp", "*.tmp"));
}

TEST(ProtectedNames, RecycleAndRestoreFoldersByFirstLevelName) {
  EXPECT_TRUE(isRecycleOrRestoreFolder("C:\\RECYCLER\\"));
  EXPECT_TRUE(isRecycleOrRestoreFolder("D:\\Recycled\\sub\\deeper\\"));
  EXPECT_TRUE(isRecycleOrRestoreFolder("E:\\_restore\\RP1\\"));
  EXPECT_FALSE(isRecycleOrRestoreFolder("C:\\"));
  EXPECT_FALSE(isRecycleOrRestoreFolder("C:\\DATA\\RECYCLER\\"));
  EXPECT_EQ(firstLevelFolder("C:\\"), "");
  EXPECT_EQ(firstLevelFolder("C:\\ab\\"), "AB\\");
}

TEST(SearchExceptions, FolderBareNameAndFullPath) {
  SearchExceptions e({"D:\\Photos", "Thumbs.db", "C:\\TEMP\\keep.tmp", "E:\\Archive\\"});
  // A folder entry keeps its files and everything below out, and the folder is not entered.
  EXPECT_FALSE(allowedFile("D:\\Photos\\", "a.tmp", "*.tmp", e));
  EXPECT_FALSE(allowedFile("D:\\PHOTOS\\Old\\", "b.tmp", "*.tmp", e));
  EXPECT_FALSE(isAllowed("D:\\", "Photos", "*.tmp", false, e));
  EXPECT_TRUE(isAllowed("D:\\", "Photos2", "*.tmp", false, e));
  EXPECT_TRUE(allowedFile("D:\\Photos2\\", "a.tmp", "*.tmp", e));
  // An entry written with a trailing backslash works the same.
  EXPECT_FALSE(allowedFile("E:\\Archive\\", "a.tmp", "*.tmp", e));
  EXPECT_FALSE(isAllowed("E:\\", "ARCHIVE", "*.tmp", false, e));
  // A bare name in every folder.
  EXPECT_FALSE(allowedFile("C:\\", "thumbs.db", "*.db", e));
  EXPECT_FALSE(allowedFile("D:\\a\\b\\c\\", "THUMBS.DB", "*.db", e));
  // A full path only there.
  EXPECT_FALSE(allowedFile("C:\\Temp\\", "KEEP.TMP", "*.tmp", e));
  EXPECT_TRUE(allowedFile("C:\\Temp\\Sub\\", "keep.tmp", "*.tmp", e));
  EXPECT_TRUE(allowedFile("C:\\Temp\\", "other.tmp", "*.tmp", e));
}

TEST(SearchExceptions, UpperHalfOfTheCodePageIgnoresCase) {
  // "Ä" is 0xC4, "ä" 0xE4; "Œ" 0x8C, "œ" 0x9C.
  SearchExceptions e({"D:\\\xC4rger",
                      "\x8C"
                      "uvre.tmp"});
  EXPECT_FALSE(allowedFile("D:\\\xE4rger\\", "x.tmp", "*.tmp", e));
  EXPECT_FALSE(allowedFile("C:\\",
                           "\x9C"
                           "UVRE.TMP",
                           "*.tmp", e));
  EXPECT_TRUE(allowedFile("D:\\arger\\", "x.tmp", "*.tmp", e));
  EXPECT_EQ(defaultSearchExceptions().size(), 7u);
  EXPECT_FALSE(
      allowedFile("C:\\WIN\\", "WIN.BAK", "*.bak", SearchExceptions(defaultSearchExceptions())));
}

TEST(TextUpper, CodePage1252Letters) {
  EXPECT_EQ(toUpper("abc\xE9\xFF\x9A\xF7\xDF\xB5"), "ABC\xC9\x9F\x8A\xF7\xDF\xB5");
  EXPECT_EQ(toLower("ABC\xC9\x9F\x8A\xD7"), "abc\xE9\xFF\x9A\xD7");
  EXPECT_TRUE(equalsIgnoringCase("C:\\\xC4", "c:\\\xE4"));
  EXPECT_TRUE(endsWithIgnoringCase("x.TmP", ".tmp"));
  EXPECT_FALSE(endsWithIgnoringCase("mp", ".tmp"));
}
