// What several scans find in one walk, each path once: a path found again (compared exactly, as
// one walk spells a file the same way every time) is not added again, but is marked when any of
// its finders marks it. Looking a path up is a hash-set lookup, so a walk finding 100,000 files
// costs no scan of a growing list.
#pragma once
#include <cstdint>
#include <string>
#include <unordered_map>

#include "scan/result_list.h"

namespace scrubwell {

class UniqueFindings {
 public:
  // Paths already in `existing` are never added again.
  explicit UniqueFindings(const ResultList& existing);

  // True when `path` was new.
  bool add(std::string path, int64_t size, bool marked);
  size_t size() const { return found_.size(); }
  // Appends every path found to `list` (which sorts them) and forgets them.
  void moveTo(ResultList& list);

 private:
  struct Finding {
    int64_t size;
    bool marked;
    bool listed;  // in the list before the walk: never added again
  };
  std::unordered_map<std::string, Finding> found_;
};

}  // namespace scrubwell
