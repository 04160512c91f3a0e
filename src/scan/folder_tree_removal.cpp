// The removal of folder trees: gate, report header, one backup point, deletion per folder.
#include "scan/folder_tree_removal.h"

#include <windows.h>

#include "base/recycle.h"
#include "base/texts.h"
#include "base/tree_removal.h"
#include "base/tree_walk.h"
#include "platform/path_text.h"
#include "scan/folder_gate.h"
#include "scan/report_text.h"

namespace scrubwell {
namespace {

// Folder report lines: "Folder", then the suffixes for leftovers, refusal and absence. Removed
// folders share the file removal's suffixes (150 with the backup, 159 into the recycle bin, 5264
// deleted for good by the shell on a drive without a recycle bin).
constexpr int kFolderText = 5260, kLeftoversText = 5261, kRefusedText = 5262, kMissingText = 5263,
              kBackedUpText = 150, kRecycledText = 159, kDeletedForGoodText = 5264;

bool entryExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string withoutTrailingBackslash(std::string path) {
  if (path.size() > 3 && path.back() == '\\') path.pop_back();
  return path;
}

// Sends the tree to the recycle bin — the folder itself, or with emptyFolder each of its
// entries — found by the same enumeration rule as the deletion. A part's bytes count once the
// shell moved it and it is gone from its place.
TreeDeletion recycleTree(const std::string& folder, bool removeFolder) {
  struct Part {
    std::string path;
    int64_t bytes;
  };
  std::vector<Part> parts;
  int64_t bytes = 0;
  walkTree(folder, [&](const TreeEntry& entry) {
    bytes += entry.size;
    const std::string path = withoutTrailingBackslash(entry.path);
    if (!removeFolder && path.rfind('\\') + 1 == folder.size()) {  // an entry of `folder` itself
      parts.push_back({path, bytes});
      bytes = 0;
    }
    return true;
  });
  if (removeFolder) parts.push_back({withoutTrailingBackslash(folder), bytes});
  TreeDeletion done;
  for (const Part& part : parts) {
    if (sendToRecycleBin(part.path) && !entryExists(part.path))
      done.freedBytes += part.bytes;
    else
      ++done.leftovers;
  }
  return done;
}

class FolderTreeRemoval {
 public:
  FolderTreeRemoval(FolderTreeAction action, const RemovalSettings& settings, RemovalParts& parts)
      : removeFolder_(action == FolderTreeAction::removeFolder),
        settings_(settings),
        parts_(parts) {}

  FolderTreesOutcome run(const std::vector<std::string>& folders,
                         const std::vector<std::string>& guarded) {
    FolderTreesOutcome outcome;
    BackupRequest request;
    for (const auto& path : folders) {
      GatedFolder gated = passFolderGate(path, guarded);
      FolderTreeItem item;
      item.folder = gated.folder;
      item.refusal = gated.refusal;
      if (gated.refusal == FolderRefusal::missing)
        item.result = FolderTreeResult::missing;
      else if (!gated.passed())
        item.result = FolderTreeResult::refused;
      else
        request.folderTrees.push_back(gated.folder);
      outcome.items.push_back(item);
    }
    beginRemovalReport(parts_, static_cast<int>(request.folderTrees.size()));
    for (const auto& item : outcome.items)
      if (item.result != FolderTreeResult::untouched) report(item, outcome.run.counts);
    if (!request.folderTrees.empty() && !backUpOrStop(request, settings_, parts_)) {
      outcome.run.end = RemovalEnd::stoppedBeforeDeleting;
      return outcome;
    }
    for (auto& item : outcome.items) {
      if (item.result != FolderTreeResult::untouched) continue;
      parts_.deletion.step(item.folder);
      TreeDeletion done = recycles(item) ? recycleTree(item.folder, removeFolder_)
                                         : deleteTree(item.folder, removeFolder_);
      item.freedBytes = done.freedBytes;
      item.leftovers = done.leftovers;
      item.result = done.leftovers == 0 ? FolderTreeResult::removed : FolderTreeResult::leftovers;
      report(item, outcome.run.counts);
    }
    return outcome;
  }

 private:
  void report(const FolderTreeItem& item, RemovalCounts& counts) {
    const bool removed = item.result == FolderTreeResult::removed;
    const int suffix = item.result == FolderTreeResult::leftovers ? kLeftoversText
                       : item.result == FolderTreeResult::refused ? kRefusedText
                       : item.result == FolderTreeResult::missing ? kMissingText
                                                                  : 0;
    countItem(removed, item.freedBytes,
              reportLine(tr(kFolderText), item.folder, tr(removed ? removedText(item) : suffix)),
              counts, parts_.report);
  }

  // Without the backup option a tree goes to the recycle bin, as files do; a drive that keeps
  // none (removable, network) deletes it for good, and its report line says so.
  bool recycles(const FolderTreeItem& item) const {
    return !settings_.backupOption && hasRecycleBin(item.folder);
  }

  int removedText(const FolderTreeItem& item) const {
    if (settings_.backupOption) return kBackedUpText;
    return recycles(item) ? kRecycledText : kDeletedForGoodText;
  }

  const bool removeFolder_;
  const RemovalSettings& settings_;
  RemovalParts& parts_;
};

}  // namespace

FolderTreesOutcome removeFolderTrees(const std::vector<std::string>& folders,
                                     FolderTreeAction action, const RemovalSettings& settings,
                                     RemovalParts& parts) {
  return removeFolderTrees(folders, action, settings, parts, protectedFolders());
}

FolderTreesOutcome confirmAndRemoveFolderTrees(const std::vector<std::string>& folders,
                                               FolderTreeAction action,
                                               const RemovalSettings& settings,
                                               RemovalParts& parts) {
  FolderTreesOutcome outcome;
  if (folders.empty()) return outcome;
  if (!removalConfirmed(settings)) {
    outcome.run.end = RemovalEnd::declined;
    return outcome;
  }
  std::vector<std::string> trees;
  for (const std::string& folder : folders) trees.push_back(withTrailingBackslash(folder));
  return removeFolderTrees(trees, action, settings, parts);
}

FolderTreesOutcome removeFolderTrees(const std::vector<std::string>& folders,
                                     FolderTreeAction action, const RemovalSettings& settings,
                                     RemovalParts& parts,
                                     const std::vector<std::string>& protectedFolders) {
  return FolderTreeRemoval(action, settings, parts).run(folders, protectedFolders);
}

}  // namespace scrubwell
