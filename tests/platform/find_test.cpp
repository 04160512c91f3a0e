// Enumeration through FindFiles on a real test drive: the attribute mask and short names.
#include "platform/find.h"

#include <gtest/gtest.h>

#include <set>

#include "support/scratch.h"

using namespace scrubwell;
using scrubwell::test::ScratchFolder;

namespace {
std::set<std::string> names(const std::string& pattern, DWORD mask) {
  std::set<std::string> out;
  FindFiles f(pattern, mask);
  while (f.next())
    if (!f.isDots()) out.insert(f.name());
  return out;
}
}  // namespace

TEST(FindFiles, AttributeMaskFiltersHiddenSystemAndFolders) {
  ScratchFolder dir('D');
  ASSERT_TRUE(test::writeFile(dir / "plain.txt", "x"));
  ASSERT_TRUE(test::writeFile(dir / "hidden.txt", "x"));
  ASSERT_TRUE(test::writeFile(dir / "system.txt", "x"));
  ASSERT_TRUE(test::makeFolders(dir / "sub"));
  SetFileAttributesA((dir / "hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesA((dir / "system.txt").c_str(), FILE_ATTRIBUTE_SYSTEM);

  EXPECT_EQ(names(dir / "*.*", 47), (std::set<std::string>{"hidden.txt", "plain.txt", "system.txt"}));
  EXPECT_EQ(names(dir / "*.*", 63), (std::set<std::string>{"hidden.txt", "plain.txt", "sub", "system.txt"}));
  EXPECT_EQ(names(dir / "*.*", 16), (std::set<std::string>{"plain.txt", "sub"}));
  EXPECT_TRUE(names(dir / "nothing*.zzz", 63).empty());
}

TEST(FindFiles, LongNamesHaveAShortName) {
  ScratchFolder dir('D');
  ASSERT_TRUE(test::writeFile(dir / "a rather long file name.text", "x"));
  FindFiles f(dir / "*.text", 47);
  ASSERT_TRUE(f.next());
  EXPECT_STRNE(f.shortOrLongName(), f.name());
  EXPECT_LE(strlen(f.shortOrLongName()), 12u);
}

TEST(TestDrives, RunnerProvidesTheStandardDriveTypes) {
  EXPECT_EQ(GetDriveTypeA("C:\\"), static_cast<UINT>(DRIVE_FIXED));
  EXPECT_EQ(GetDriveTypeA("D:\\"), static_cast<UINT>(DRIVE_FIXED));
  EXPECT_EQ(GetDriveTypeA("E:\\"), static_cast<UINT>(DRIVE_REMOVABLE));
  EXPECT_EQ(GetDriveTypeA("N:\\"), static_cast<UINT>(DRIVE_REMOTE));
  EXPECT_EQ(GetDriveTypeA("Q:\\"), static_cast<UINT>(DRIVE_CDROM));
  EXPECT_EQ(GetDriveTypeA("Z:\\"), static_cast<UINT>(DRIVE_REMOTE));
}

TEST(FindFiles, SizesBeyondFourGigabytesJoinBothHalves) {
  WIN32_FIND_DATAA found{};
  found.nFileSizeHigh = 1;
  found.nFileSizeLow = 0xFFFFFFFF;
  EXPECT_EQ(fileSizeOf(found), 0x1FFFFFFFFLL);
  WIN32_FILE_ATTRIBUTE_DATA attributes{};
  attributes.nFileSizeHigh = 2;
  attributes.nFileSizeLow = 0x80000000;  // the low half's top bit is no sign
  EXPECT_EQ(fileSizeOf(attributes), 0x280000000LL);
  attributes.nFileSizeHigh = 0;
  EXPECT_EQ(fileSizeOf(attributes), 0x80000000LL);
}
