// The combined drive walk.
#include "scan/combined_walk.h"

#include <algorithm>
#include <memory>
#include <unordered_map>

#include "scan/cancel_flag.h"
#include "scan/drives.h"
#include "scan/listing_scope.h"
#include "scan/unique_findings.h"

namespace scrubwell {
namespace {

// Several scans' rules as one: each scan's rules see exactly the folders its own walk would read
// (a scan that would not enter a folder, say a hidden one, sees nothing below it, and a scan that
// leaves network drives alone sees none of them), while the walk enters a folder when any scan
// would.
class CombinedRules : public FolderRules {
 public:
  void join(ScanRules scan) { parts_.push_back(std::move(scan)); }
  bool empty() const { return parts_.empty(); }

  void beginFolder(const std::string& folder) override {
    folder_ = folder;
    auto pending = pending_.find(folder);
    if (pending != pending_.end()) {
      active_ = pending->second;
      pending_.erase(pending);
    } else {
      active_ = rootParts(folder);
    }
    for (size_t i = 0; i < parts_.size(); ++i)
      if (isActive(i)) parts_[i].rules->beginFolder(folder);
  }
  void entry(const std::string& folder, const WIN32_FIND_DATAA& entry) override {
    for (size_t i = 0; i < parts_.size(); ++i)
      if (isActive(i)) parts_[i].rules->entry(folder, entry);
  }
  bool entersFolder(const WIN32_FIND_DATAA& entry) const override {
    uint32_t entering = 0;
    for (size_t i = 0; i < parts_.size(); ++i)
      if (isActive(i) && parts_[i].rules->entersFolder(entry)) entering |= 1u << i;
    if (entering == 0) return false;
    pending_[folder_ + entry.cFileName + "\\"] = entering;
    return true;
  }
  bool endFolder(const std::string& folder, WalkPacer& pacer) override {
    for (size_t i = 0; i < parts_.size(); ++i)
      if (isActive(i) && !parts_[i].rules->endFolder(folder, pacer)) return false;
    return true;
  }

 private:
  bool isActive(size_t i) const { return (active_ >> i) & 1u; }
  // The scans that walk a drive's root (or any folder the walk starts at).
  uint32_t rootParts(const std::string& folder) const {
    const bool network = folder.size() >= 2 && folder[1] == ':' && isNetworkDrive(folder[0]);
    uint32_t parts = 0;
    for (size_t i = 0; i < parts_.size(); ++i)
      if (!network || parts_[i].withNetworkDrives) parts |= 1u << i;
    return parts;
  }

  std::vector<ScanRules> parts_;
  std::string folder_;
  uint32_t active_ = 0;  // bit i: part i reads the folder being read
  // Subfolders the walk will enter, with the parts that enter each; a folder's entry is taken
  // out when its turn comes, so the map holds no more than the folders still waiting.
  mutable std::unordered_map<std::string, uint32_t> pending_;
};

}  // namespace

bool joinsCombinedWalk(CleanupId id) { return driveScanOf(id) != nullptr; }

CombinedWalkOutcome runCombinedWalk(const std::vector<CleanupId>& ids,
                                    const DriveScanInputs& inputs, ResultList& list,
                                    ProcessFlag& cancel, WalkProgress* progress, DWORD sliceMs) {
  CombinedWalkOutcome outcome;
  const ListingScope scope(inputs.exceptions, inputs.backupFolder);
  UniqueFindings found(list);
  const FoundFile addOnce = [&found](std::string path, int64_t size, bool marked) {
    found.add(std::move(path), size, marked);
  };
  CombinedRules rules;
  std::vector<CleanupId> joined;
  for (CleanupId id : ids) {
    if (!joinsCombinedWalk(id) || std::find(joined.begin(), joined.end(), id) != joined.end())
      continue;
    joined.push_back(id);
    rules.join(driveScanRulesOf(id, inputs, scope, addOnce));
  }
  if (!rules.empty()) {
    DriveWalk walk(scope.exceptions(), cancel, progress);
    walk.setSliceMs(sliceMs);
    walk.walkDrives(inputs.driveRoots, true, rules);
    outcome.folders = walk.stats().folders;
  }
  outcome.cancelled = cancel.isSet();
  const size_t before = list.size();
  found.moveTo(list);
  outcome.found = list.size() - before;
  endDriveScan(list, cancel);
  return outcome;
}

}  // namespace scrubwell
