// The drive offer from the system's drive types: the test runner's standard drives, or (in the
// program run with twelve qualifying drives) two in the drive list.
#include "scan/drives.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace scrubwell;

namespace {
bool twelveDrives() { return std::getenv("SCRUBWELL_TWELVE_DRIVES") != nullptr; }
}  // namespace

TEST(OfferedDrives, RemovableAndFixedOnly) {
  if (twelveDrives()) GTEST_SKIP() << "run with extra drives";
  DriveOffer o = offeredDrives();
  // C: and D: fixed, E: removable; N: and Z: network and Q: CD-ROM are not offered.
  EXPECT_EQ(o.slots, (std::vector<std::string>{"C:\\", "D:\\", "E:\\"}));
  EXPECT_TRUE(o.slotChecked(0));
  EXPECT_FALSE(o.listShown());
  EXPECT_EQ(o.frameHeight(), 16 * 3 + 21);
  EXPECT_EQ(driveTypeNameOf('c'), "Festplatte");
  EXPECT_EQ(driveTypeNameOf('E'), "Floppy");
  EXPECT_EQ(driveTypeNameOf('N'), "Netzwerk");
  EXPECT_EQ(driveTypeNameOf('Q'), "CD-Rom");
  EXPECT_EQ(driveTypeNameOf('W'), "nicht vorh.");
}

TEST(OfferedDrives, TwelveDrivesPutTwoInTheList) {
  if (!twelveDrives()) GTEST_SKIP() << "needs the extra drives";
  DriveOffer o = offeredDrives();
  EXPECT_EQ(o.slots, (std::vector<std::string>{"C:\\", "D:\\", "E:\\", "F:\\", "G:\\", "H:\\",
                                               "I:\\", "J:\\", "K:\\", "L:\\"}));
  EXPECT_EQ(o.list, (std::vector<std::string>{"M:\\", "O:\\"}));
  EXPECT_EQ(o.frameHeight(), 250);
}
