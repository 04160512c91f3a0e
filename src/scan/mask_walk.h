// The junk search's rules on the shared drive walk: in each folder every mask in list order, then
// the subfolders in find order. Every match the system's find functions return
// for a mask passes the extension guard, the protected names and the search exceptions before it
// is reported; files in or below the first-level recycle and restore folders and directly in the
// backup folder are never reported, protected and excluded folders are never entered.
//
// Each folder is enumerated once. A mask of the plain form "*.xyz" (three letters, digits or
// other ASCII characters that are no wildcard) is answered from that enumeration: the system
// returns for it every name ending in ".xyz" and, through short names, some that do not, which
// the extension guard then rejects, so the listed files are exactly the names ending in ".xyz".
// Any other mask is asked of the system (FindFirstFile with the folder + mask) only where the
// loose pre-filter finds a long or short name that could match it and that would be listed if it
// did, so nearly every folder costs one enumeration and the answer is still the system's.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "scan/drive_walk.h"
#include "scan/listing_scope.h"
#include "scan/mask_prefilter.h"
#include "scan/result_list.h"
#include "scan/walk_progress.h"

namespace scrubwell {

// How the file pass finds the matches of each mask.
enum class MaskStrategy {
  enumerateOnce,  // one enumeration per folder, the system asked only for possible masks
  findPerMask,    // a find per mask in every folder
};

// The junk search's rules for one walk: the masks in list order in each folder, each match
// reported with its size.
class MaskRules : public FolderRules {
 public:
  using Found = std::function<void(const std::string& path, int64_t size)>;

  // `scope` must outlive the rules.
  MaskRules(std::vector<std::string> masks, const ListingScope& scope, Found found);

  void setStrategy(MaskStrategy s) { strategy_ = s; }
  // The mask the last file pass used.
  const std::string& currentMask() const { return currentMask_; }
  uint64_t matchEntries() const { return matchEntries_; }
  uint64_t maskFinds() const { return maskFinds_; }
  uint64_t reported() const { return reported_; }

  void beginFolder(const std::string& folder) override;
  void entry(const std::string& folder, const WIN32_FIND_DATAA& entry) override;
  bool endFolder(const std::string& folder, WalkPacer& pacer) override;

 private:
  // Reports the system's matches of `mask` in `folder`; false when cancelled.
  bool reportMatches(const std::string& folder, const std::string& mask, WalkPacer& pacer);

  std::vector<std::string> masks_;
  std::vector<MaskPrefilter> prefilters_;
  const ListingScope& scope_;
  Found found_;
  MaskStrategy strategy_ = MaskStrategy::enumerateOnce;
  std::string currentMask_;
  // The folder being read: whether its files may be listed, and for each mask whether some
  // file of it could match.
  bool listing_ = false;
  std::vector<bool> possible_;
  size_t stillOpen_ = 0;
  // Per mask: its ending (".xyz") when the enumeration answers it, else empty; and the files of
  // the folder being read that it lists, with their sizes, in find order.
  std::vector<std::string> endings_;
  std::vector<std::vector<std::pair<std::string, int64_t>>> listedByEnding_;
  uint64_t matchEntries_ = 0, maskFinds_ = 0, reported_ = 0;
};

// The junk search's walk: the mask rules on the shared drive walk.
class MaskWalk {
 public:
  using Strategy = MaskStrategy;
  using Found = MaskRules::Found;
  struct Stats {
    uint64_t folders = 0;    // folders whose entries were read
    uint64_t entries = 0;    // directory entries seen (all finds)
    uint64_t maskFinds = 0;  // finds with a mask other than "*.*"
    uint64_t found = 0;      // matches reported
  };

  MaskWalk(std::vector<std::string> masks, const SearchExceptions& exceptions,
           std::string backupFolder, const ProcessFlag& cancel, WalkProgress* progress);

  void setStrategy(Strategy s) { rules_.setStrategy(s); }
  // 0 shows progress and pumps after every entry (tests).
  void setSliceMs(DWORD ms) { walk_.setSliceMs(ms); }

  // Walks `folder` (ending with "\") and everything below it. False when the cancel flag
  // stopped the walk; what was reported until then stays reported.
  bool walk(const std::string& folder, const Found& found);
  // The same, appending each match with its size to `list`.
  bool walk(const std::string& folder, ResultList& list);
  // Walks the drives of `driveRoots` in order until cancelled, appending to `list`.
  void walkDrives(const std::vector<std::string>& driveRoots, ResultList& list);

  // The mask the last file pass used.
  const std::string& currentMask() const { return rules_.currentMask(); }
  Stats stats() const;

 private:
  ListingScope scope_;
  Found found_;
  MaskRules rules_;
  DriveWalk walk_;
};

}  // namespace scrubwell
