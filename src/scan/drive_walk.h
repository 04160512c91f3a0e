// The one walk every drive scan runs: depth first from a folder, each folder read once with every
// entry (attribute mask 63), its entries handed to the scan's rules in find order, then its
// subfolders walked in find order. The walk itself never enters a link (any folder carrying
// FILE_ATTRIBUTE_REPARSE_POINT: a junction, a symbolic link, a mount point), nor a folder the
// protected names or the search exceptions keep out; it tests the cancel flag after every entry
// and shows progress and pumps messages on a time slice. A scan adds only what differs: what it
// does with the entries of a folder, and which further folders it leaves out.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "scan/search_exceptions.h"
#include "scan/walk_progress.h"

namespace scrubwell {

class FolderRules {
 public:
  virtual ~FolderRules() = default;
  // `folder` (ending with "\") is about to be read.
  virtual void beginFolder(const std::string& folder) { (void)folder; }
  // An entry of `folder` other than "." and "..", in find order: files, folders and links alike.
  virtual void entry(const std::string& folder, const WIN32_FIND_DATAA& entry) = 0;
  // Every entry of `folder` was read and its subfolders come next. May do more work on the
  // folder, pacing it with `pacer`; false stops the whole walk (cancelled).
  virtual bool endFolder(const std::string& folder, WalkPacer& pacer) {
    (void)folder;
    (void)pacer;
    return true;
  }
  // Whether to enter a subfolder that the walk's own rules let in; asked right after entry()
  // was handed the same folder entry.
  virtual bool entersFolder(const WIN32_FIND_DATAA& entry) const {
    (void)entry;
    return true;
  }
};

class DriveWalk {
 public:
  struct Stats {
    uint64_t folders = 0;  // folders whose entries were read
    uint64_t entries = 0;  // directory entries seen, "." and ".." left out
  };

  DriveWalk(const SearchExceptions& exceptions, const ProcessFlag& cancel, WalkProgress* progress);

  // 0 shows progress and pumps after every entry (tests).
  void setSliceMs(DWORD ms) { pacer_.setSliceMs(ms); }

  // Walks `folder` (ending with "\") and everything below it. False when the cancel flag
  // stopped the walk; what the rules were handed until then stays handed.
  bool walk(const std::string& folder, FolderRules& rules);

  // Walks the root "X:\" of each of `driveRoots` in order ("X" is the root's first character),
  // until the cancel flag is seen. Network drives are skipped unless `withNetworkDrives`.
  void walkDrives(const std::vector<std::string>& driveRoots, bool withNetworkDrives,
                  FolderRules& rules);

  const Stats& stats() const { return stats_; }
  const SearchExceptions& exceptions() const { return exceptions_; }

 private:
  const SearchExceptions& exceptions_;
  const ProcessFlag& cancel_;
  WalkPacer pacer_;
  Stats stats_;
};

// True for an entry the walk treats as a link: never entered, never followed.
inline bool isLink(const WIN32_FIND_DATAA& entry) {
  return (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

inline bool isFolder(const WIN32_FIND_DATAA& entry) {
  return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace scrubwell
