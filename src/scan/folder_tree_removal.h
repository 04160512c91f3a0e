// The removal of folder trees (update-uninstall folders, own folders, minidump folders): every
// folder passes the folder gate, the trees that pass are backed up whole (backup option on) and
// then deleted — or sent to the recycle bin with the option off — with one result, one report
// line and the counts per folder, as the file removal does for files.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "scan/folder_gate_rule.h"
#include "scan/removal_run.h"

namespace scrubwell {

enum class FolderTreeAction {
  removeFolder,  // the folder goes with everything below it
  emptyFolder,   // everything below the folder goes, the folder stays
};

enum class FolderTreeResult {
  removed,    // everything is gone (with removeFolder, the folder too)
  leftovers,  // some entries could not be deleted; the others are gone
  refused,    // the folder gate turned it away: nothing touched
  missing,    // the folder does not exist
  untouched,  // the backup point could not be written, so nothing was deleted
};

struct FolderTreeItem {
  std::string folder;  // as resolved by the gate; as given when refused or missing
  FolderTreeResult result = FolderTreeResult::untouched;
  FolderRefusal refusal = FolderRefusal::none;  // why the gate refused it
  int64_t freedBytes = 0;                       // bytes really deleted
  int32_t leftovers = 0;                        // entries that could not be deleted
};

struct FolderTreesOutcome {
  RemovalOutcome run;  // how the run ended and its counts
  std::vector<FolderTreeItem> items;  // one per requested folder, in order
};

// Gates every folder, writes the report header, reports the refused and missing ones, backs the
// others up in one point (backup option on; nothing is deleted when that point cannot be
// written), then deletes them one by one and reports each. Asks nothing: the caller asks its
// own question first. The summary and stopping the deletion progress are the caller's.
FolderTreesOutcome removeFolderTrees(const std::vector<std::string>& folders,
                                     FolderTreeAction action, const RemovalSettings& settings,
                                     RemovalParts& parts);
// A clean-up's removal of the folders the user chose, each given with or without its trailing
// "\": with no folders nothing happens (no question, no report, no items); with the confirmation
// option set the user is asked first, and any answer but Yes ends the run declined with nothing
// written; then removeFolderTrees.
FolderTreesOutcome confirmAndRemoveFolderTrees(const std::vector<std::string>& folders,
                                               FolderTreeAction action,
                                               const RemovalSettings& settings,
                                               RemovalParts& parts);
// The same with the protected folders given (tests use their own).
FolderTreesOutcome removeFolderTrees(const std::vector<std::string>& folders,
                                     FolderTreeAction action, const RemovalSettings& settings,
                                     RemovalParts& parts,
                                     const std::vector<std::string>& protectedFolders);

}  // namespace scrubwell
