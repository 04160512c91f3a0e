// The find-first attribute-mask rule shared by every walk.
#include "platform/attribute_mask.h"

#include <gtest/gtest.h>

using namespace scrubwell;

TEST(AttributeMask, ClassicMasks) {
  const uint32_t plain = 0, ro = kAttrReadOnly, arch = kAttrArchive, hidden = kAttrHidden,
                 sys = kAttrSystem, dir = kAttrDirectory, hiddenDir = kAttrHidden | kAttrDirectory;
  // 47: every file, no folder.
  for (uint32_t a : {plain, ro, arch, hidden, sys, hidden | sys | ro}) EXPECT_TRUE(passesAttributeMask(a, 47)) << a;
  EXPECT_FALSE(passesAttributeMask(dir, 47));
  // 63: everything.
  for (uint32_t a : {plain, dir, hiddenDir, sys | dir, kAttrVolume}) EXPECT_TRUE(passesAttributeMask(a, 63)) << a;
  // 16: folders and plain files, nothing hidden or system.
  EXPECT_TRUE(passesAttributeMask(dir, 16));
  EXPECT_TRUE(passesAttributeMask(ro | arch, 16));
  EXPECT_FALSE(passesAttributeMask(hiddenDir, 16));
  EXPECT_FALSE(passesAttributeMask(sys, 16));
}
