// How a walk keeps the single user-interface thread alive without paying for it: it tests the
// cancel flag after every directory entry, but shows its current folder and pumps the message
// queue only when about 15 ms have passed (one PeekMessage costs about 70 us under Wine, more than
// reading a directory entry).
#pragma once
#include <windows.h>

#include <string>

#include "scan/cancel_flag.h"

namespace scrubwell {

// What the search progress window implements: show the folder being walked and repaint.
class WalkProgress {
 public:
  virtual ~WalkProgress() = default;
  virtual void showFolder(const std::string& folder) = 0;
};

class WalkPacer {
 public:
  WalkPacer(const ProcessFlag& cancel, WalkProgress* progress, DWORD sliceMs = 15);
  // After each directory entry of `folder`: false when the walk must stop (cancel is set).
  bool afterEntry(const std::string& folder) {
    if (cancel_.isSet()) return false;
    if (GetTickCount() - last_ < slice_) return true;
    return onSlice(folder);
  }
  void setSliceMs(DWORD ms) { slice_ = ms; }
  unsigned long pumps() const { return pumps_; }

 private:
  bool onSlice(const std::string& folder);

  const ProcessFlag& cancel_;
  WalkProgress* progress_;
  DWORD slice_;
  DWORD last_;
  unsigned long pumps_ = 0;
};

}  // namespace scrubwell
