// The empty-folder sweep: a walk that sends every empty, allowed folder below a folder to the
// recycle bin (never the recycle-bin or restore folders themselves or what lies in them), and
// counts what it removed.
#pragma once
#include <string>

#include "scan/search_exceptions.h"
#include "scan/walk_progress.h"

namespace scrubwell {

class EmptyFolderSweep {
 public:
  EmptyFolderSweep(const SearchExceptions& exceptions, const ProcessFlag& cancel,
                   WalkProgress* progress);
  void setSliceMs(DWORD ms) { pacer_.setSliceMs(ms); }

  // Sweeps `folder` (ending with "\") and everything below it, adding 1 to `removedCount` for
  // each folder sent to the recycle bin. False when the cancel flag stopped it.
  bool sweep(const std::string& folder, unsigned& removedCount);

 private:
  SearchExceptions exceptions_;
  WalkPacer pacer_;
};

// The process-wide count of swept folders; the caller resets it before a sweep.
unsigned& sweptFolderCount();

}  // namespace scrubwell
