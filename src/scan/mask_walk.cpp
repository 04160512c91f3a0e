// The recursive walk for file masks.
#include "scan/mask_walk.h"

#include "platform/find.h"
#include "platform/text_upper.h"
#include "scan/is_allowed.h"
#include "scan/protected_names.h"

namespace scrubwell {
namespace {

constexpr DWORD kFilePassMask = 47;    // every file, no folder
constexpr DWORD kFolderPassMask = 63;  // every entry

}  // namespace

MaskWalk::MaskWalk(std::vector<std::string> masks, const SearchExceptions& exceptions,
                   std::string backupFolder, const ProcessFlag& cancel, WalkProgress* progress)
    : masks_(std::move(masks)),
      exceptions_(exceptions),
      backupFolder_(std::move(backupFolder)),
      pacer_(cancel, progress) {
  if (!backupFolder_.empty() && backupFolder_.back() != '\\') backupFolder_ += '\\';
  prefilters_.reserve(masks_.size());
  for (const auto& m : masks_) prefilters_.emplace_back(m);
}

bool MaskWalk::walk(const std::string& folder, const Found& found) {
  return strategy_ == Strategy::enumerateOnce ? walkOnce(folder, found)
                                              : walkPerMask(folder, found);
}

bool MaskWalk::walk(const std::string& folder, ResultList& list) {
  return walk(folder, [&list](const std::string& path, int64_t size) { list.add(path, size); });
}

bool MaskWalk::listsFilesIn(const std::string& folder) const {
  return !isRecycleOrRestoreFolder(folder) && !equalsIgnoringCase(folder, backupFolder_);
}

bool MaskWalk::reportMatches(const std::string& folder, const std::string& mask, bool listing,
                             const Found& found) {
  currentMask_ = mask;
  ++stats_.maskFinds;
  FindFiles hits(folder + mask, kFilePassMask);
  while (hits.next()) {
    if (hits.isDots()) continue;
    ++stats_.entries;
    if (listing && isAllowed(folder, hits.name(), mask, true, exceptions_)) {
      ++stats_.found;
      found(folder + hits.name(), hits.size());
    }
    if (!pacer_.afterEntry(folder)) return false;
  }
  return true;
}

bool MaskWalk::walkPerMask(const std::string& folder, const Found& found) {
  ++stats_.folders;
  const bool listing = listsFilesIn(folder);
  for (const auto& mask : masks_)
    if (!reportMatches(folder, mask, listing, found)) return false;
  FindFiles all(folder + "*.*", kFolderPassMask);
  while (all.next()) {
    ++stats_.entries;
    if (!pacer_.afterEntry(folder)) return false;
    if (all.isDots() || !all.isDirectory()) continue;
    if (isAllowed(folder, all.name(), currentMask_, false, exceptions_) &&
        !walkPerMask(folder + all.name() + "\\", found))
      return false;
  }
  return true;
}

bool MaskWalk::walkOnce(const std::string& folder, const Found& found) {
  ++stats_.folders;
  const bool listing = listsFilesIn(folder);
  std::vector<std::string> subfolders;
  // For each mask, whether some file of this folder could match it.
  std::vector<bool> possible(masks_.size(), false);
  size_t stillOpen = listing ? masks_.size() : 0;
  {
    FindFiles all(folder + "*.*", kFolderPassMask);
    while (all.next()) {
      if (all.isDots()) continue;
      ++stats_.entries;
      if (all.isDirectory()) {
        subfolders.emplace_back(all.name());
      } else if (stillOpen > 0) {
        const char* shortName = all.data().cAlternateFileName;
        for (size_t m = 0; m < masks_.size(); ++m) {
          if (possible[m]) continue;
          // A name the system may return for the mask, and that would then be listed: only
          // for such names is the system asked.
          if ((prefilters_[m].mayMatch(all.name()) ||
               (shortName[0] && prefilters_[m].mayMatch(shortName))) &&
              isAllowed(folder, all.name(), masks_[m], true, exceptions_)) {
            possible[m] = true;
            --stillOpen;
          }
        }
      }
      if (!pacer_.afterEntry(folder)) return false;
    }
  }
  for (size_t m = 0; m < masks_.size(); ++m) {
    if (possible[m]) {
      if (!reportMatches(folder, masks_[m], listing, found)) return false;
    } else {
      currentMask_ = masks_[m];
    }
  }
  for (const auto& name : subfolders)
    if (isAllowed(folder, name, currentMask_, false, exceptions_) &&
        !walkOnce(folder + name + "\\", found))
      return false;
  return true;
}

}  // namespace scrubwell
