// The empty-folder sweep: a walk that sends every empty, allowed folder below a folder to the
// recycle bin (never the recycle-bin or restore folders themselves or what lies in them), and
// counts what it removed.
#pragma once
#include <string>
#include <vector>

#include "scan/drive_walk.h"

namespace scrubwell {

class EmptyFolderSweep : private FolderRules {
 public:
  EmptyFolderSweep(const SearchExceptions& exceptions, const ProcessFlag& cancel,
                   WalkProgress* progress);
  void setSliceMs(DWORD ms) { walk_.setSliceMs(ms); }
  // Folders (with or without a trailing "\") that stay even when empty.
  void keep(const std::vector<std::string>& folders);

  // Sweeps `folder` (ending with "\") and everything below it, adding 1 to `removedCount` for
  // each folder sent to the recycle bin. False when the cancel flag stopped it.
  bool sweep(const std::string& folder, unsigned& removedCount);

 private:
  void beginFolder(const std::string& folder) override;
  void entry(const std::string& folder, const WIN32_FIND_DATAA& entry) override;

  SearchExceptions exceptions_;
  DriveWalk walk_;
  unsigned* removedCount_ = nullptr;
  bool mayRemove_ = false;         // the folder being read is no recycle or restore folder
  std::vector<std::string> kept_;  // upper-cased, each with one trailing "\"
};

// The process-wide count of swept folders; the caller resets it before a sweep.
unsigned& sweptFolderCount();

}  // namespace scrubwell
