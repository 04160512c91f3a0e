// Helpers of the walk tests: recording progress sinks and the matches of a walk.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "scan/mask_walk.h"

namespace scrubwell::test {

// Records every folder the walk shows; `onShow` may press "cancel".
struct RecordingProgress : WalkProgress {
  std::vector<std::string> folders;
  std::function<void()> onShow;
  void showFolder(const std::string& folder) override {
    folders.push_back(folder);
    if (onShow) onShow();
  }
  bool visited(const std::string& folder) const;
};

struct WalkResult {
  std::vector<std::string> paths;  // in the order the walk reported them
  bool completed = false;
  MaskWalk::Stats stats;
};

// Runs a MaskWalk over `folder` with the given strategy; progress after every entry.
WalkResult runWalk(const std::string& folder, const std::vector<std::string>& masks,
                   const SearchExceptions& exceptions = {}, const std::string& backupFolder = {},
                   MaskWalk::Strategy strategy = MaskWalk::Strategy::enumerateOnce,
                   RecordingProgress* progress = nullptr, ProcessFlag* cancel = nullptr);

// The names FindFirstFile returns for `pattern` with attribute mask 47, with their short names.
struct FoundName {
  std::string name, shortName;
};
std::vector<FoundName> systemMatches(const std::string& pattern);

// Relative paths (below `base`) of a list of full paths, sorted.
std::vector<std::string> relativeSorted(const std::vector<std::string>& paths,
                                        const std::string& base);

}  // namespace scrubwell::test
