// The recursive walk for file masks: depth first from a folder, in each folder every mask in
// list order, then the subfolders in find order. Every match the system's find functions return
// for a mask passes the extension guard, the protected names and the search exceptions before it
// is reported; files in or below the first-level recycle and restore folders and directly in the
// backup folder are never reported, protected and excluded folders are never entered.
//
// Each folder is enumerated once. A mask is asked of the system (FindFirstFile with the folder +
// mask) only where the loose pre-filter finds a long or short name that could match it and that
// would be listed if it did, so nearly every folder costs one enumeration and the answer is still
// the system's.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "scan/mask_prefilter.h"
#include "scan/result_list.h"
#include "scan/search_exceptions.h"
#include "scan/walk_progress.h"

namespace scrubwell {

class MaskWalk {
 public:
  // How the file pass finds the matches of each mask.
  enum class Strategy {
    enumerateOnce,  // one enumeration per folder, the system asked only for possible masks
    findPerMask,    // a find per mask and a second find for the subfolders, in every folder
  };
  using Found = std::function<void(const std::string& path, int64_t size)>;
  struct Stats {
    uint64_t folders = 0;    // folders whose entries were read
    uint64_t entries = 0;    // directory entries seen (all finds)
    uint64_t maskFinds = 0;  // finds with a mask other than "*.*"
    uint64_t found = 0;      // matches reported
  };

  MaskWalk(std::vector<std::string> masks, const SearchExceptions& exceptions,
           std::string backupFolder, const ProcessFlag& cancel, WalkProgress* progress);

  void setStrategy(Strategy s) { strategy_ = s; }
  // 0 shows progress and pumps after every entry (tests).
  void setSliceMs(DWORD ms) { pacer_.setSliceMs(ms); }

  // Walks `folder` (ending with "\") and everything below it. False when the cancel flag
  // stopped the walk; what was reported until then stays reported.
  bool walk(const std::string& folder, const Found& found);
  // The same, appending each match with its size to `list`.
  bool walk(const std::string& folder, ResultList& list);

  // The mask the last file pass used.
  const std::string& currentMask() const { return currentMask_; }
  const Stats& stats() const { return stats_; }

 private:
  bool walkOnce(const std::string& folder, const Found& found);
  bool walkPerMask(const std::string& folder, const Found& found);
  bool listsFilesIn(const std::string& folder) const;
  // Reports the system's matches of `mask` in `folder`; false when cancelled.
  bool reportMatches(const std::string& folder, const std::string& mask, bool listing,
                     const Found& found);

  std::vector<std::string> masks_;
  std::vector<MaskPrefilter> prefilters_;
  SearchExceptions exceptions_;
  std::string backupFolder_;
  WalkPacer pacer_;
  Strategy strategy_ = Strategy::enumerateOnce;
  std::string currentMask_;
  Stats stats_;
};

}  // namespace scrubwell
