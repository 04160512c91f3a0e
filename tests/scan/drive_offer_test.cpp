// The drive offer: removable and fixed drives C: to Z:, ten slots, then the drive list.
#include "scan/drive_offer.h"

#include <gtest/gtest.h>

#include "scan/done_marks.h"

using namespace scrubwell;

TEST(DriveOffer, OnlyRemovableAndFixedFromC) {
  DriveOffer o = offerDrives({{'A', DriveType::removable},
                              {'B', DriveType::removable},
                              {'C', DriveType::fixed},
                              {'D', DriveType::cdrom},
                              {'E', DriveType::removable},
                              {'F', DriveType::remote},
                              {'G', DriveType::ramdisk},
                              {'H', DriveType::noRoot}});
  EXPECT_EQ(o.slots, (std::vector<std::string>{"C:\\", "E:\\"}));
  EXPECT_FALSE(o.listShown());
  EXPECT_TRUE(o.slotChecked(0));
  EXPECT_FALSE(o.slotChecked(1));
  EXPECT_EQ(o.frameHeight(), 16 * 2 + 21);
}

TEST(DriveOffer, TwelveDrivesPutTwoInTheList) {
  std::vector<DriveInfo> drives;
  for (char c = 'C'; c < 'C' + 12; ++c) drives.push_back({c, DriveType::fixed});
  DriveOffer o = offerDrives(drives);
  ASSERT_EQ(o.slots.size(), 10u);
  EXPECT_EQ(o.list, (std::vector<std::string>{"M:\\", "N:\\"}));
  EXPECT_EQ(o.frameHeight(), 250);
}

TEST(DriveOffer, ChosenRootsFollowSlotsThenList) {
  std::vector<DriveChoice> slots = {{"C:\\", true, true},
                                    {"D:\\", false, true},
                                    {"E:\\", true, false},
                                    {"", true, true},
                                    {"F:\\", true, true}};
  std::vector<DriveChoice> list = {{"M:\\", true}, {"N:\\", false}};
  EXPECT_EQ(chosenDriveRoots(slots, list, true),
            (std::vector<std::string>{"C:\\", "F:\\", "M:\\"}));
  EXPECT_EQ(chosenDriveRoots(slots, list, false), (std::vector<std::string>{"C:\\", "F:\\"}));
  EXPECT_EQ(driveTypeName(DriveType::fixed), "Festplatte");
  EXPECT_EQ(driveTypeName(DriveType::unknown), "nicht vorh.");
}

TEST(DoneMarks, OnlySetAndOnlyOneToFourteen) {
  DoneMarks results, main;
  results.set(DoneMark::junkSearch);
  results.set(13);
  results.set(0);
  results.set(15);
  EXPECT_TRUE(results.isSet(1));
  EXPECT_FALSE(results.isSet(0));
  EXPECT_FALSE(results.isSet(15));
  results.copyResultMarksTo(main);
  EXPECT_TRUE(main.isSet(DoneMark::junkSearch));
  EXPECT_FALSE(main.isSet(13));  // marks 13 and 14 belong to the main window
}
