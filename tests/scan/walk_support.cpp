// Helpers of the walk tests.
#include "walk_support.h"

#include <algorithm>

#include "platform/find.h"
#include "platform/text_upper.h"

namespace scrubwell::test {

bool RecordingProgress::visited(const std::string& folder) const {
  return std::any_of(folders.begin(), folders.end(),
                     [&](const std::string& f) { return equalsIgnoringCase(f, folder); });
}

WalkResult runWalk(const std::string& folder, const std::vector<std::string>& masks,
                   const SearchExceptions& exceptions, const std::string& backupFolder,
                   MaskWalk::Strategy strategy, RecordingProgress* progress, ProcessFlag* cancel) {
  ProcessFlag localCancel;
  MaskWalk walk(masks, exceptions, backupFolder, cancel ? *cancel : localCancel, progress);
  walk.setStrategy(strategy);
  walk.setSliceMs(0);
  WalkResult r;
  r.completed = walk.walk(folder, [&r](const std::string& p, int64_t) { r.paths.push_back(p); });
  r.stats = walk.stats();
  return r;
}

std::vector<FoundName> systemMatches(const std::string& pattern) {
  std::vector<FoundName> out;
  FindFiles f(pattern, 47);
  while (f.next())
    if (!f.isDots()) out.push_back({f.name(), f.data().cAlternateFileName});
  return out;
}

std::vector<std::string> relativeSorted(const std::vector<std::string>& paths,
                                        const std::string& base) {
  std::vector<std::string> out;
  for (const auto& p : paths)
    out.push_back(p.compare(0, base.size(), base) == 0 ? p.substr(base.size()) : "?" + p);
  std::sort(out.begin(), out.end());
  return out;
}

}  // namespace scrubwell::test
