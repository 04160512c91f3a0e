// The 14 "done" marks that show which clean-ups have run since the program started. All are
// clear at start and are only ever set.
#pragma once
#include <array>

namespace scrubwell {

enum class DoneMark {
  junkSearch = 1,
  brokenShortcuts = 2,
  zeroByteFiles = 3,
  temporaryFolder = 4,
  registry = 5,
  duplicateFiles = 6,
  recentDocuments = 7,
  uninstallEntries = 8,
  browserCache = 9,
  updateUninstallFolders = 10,
  windowsTools = 11,
  prefetchAndDownloads = 12,
  ownFolders = 13,
  minidumps = 14,
};

class DoneMarks {
 public:
  static constexpr int kCount = 14;
  void set(DoneMark mark) { set(static_cast<int>(mark)); }
  // Marks outside 1 to 14 are ignored.
  void set(int number) {
    if (number >= 1 && number <= kCount) marks_[number - 1] = true;
  }
  bool isSet(DoneMark mark) const { return isSet(static_cast<int>(mark)); }
  bool isSet(int number) const { return number >= 1 && number <= kCount && marks_[number - 1]; }
  // The main window shows marks 1 to 12 as the results window holds them.
  void copyResultMarksTo(DoneMarks& other) const {
    for (int n = 1; n <= 12; ++n)
      if (isSet(n)) other.set(n);
  }

 private:
  std::array<bool, kCount> marks_{};
};

}  // namespace scrubwell
