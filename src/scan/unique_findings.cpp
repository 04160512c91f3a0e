// Each path once.
#include "scan/unique_findings.h"

namespace scrubwell {

UniqueFindings::UniqueFindings(const ResultList& existing) {
  found_.reserve(existing.size());
  for (size_t i = 0; i < existing.size(); ++i)
    found_.emplace(existing.path(i), Finding{0, false, true});
}

bool UniqueFindings::add(std::string path, int64_t size, bool marked) {
  auto [it, added] = found_.try_emplace(std::move(path), Finding{size, marked, false});
  if (!added) it->second.marked = it->second.marked || marked;
  return added;
}

void UniqueFindings::moveTo(ResultList& list) {
  for (auto& [path, f] : found_)
    if (!f.listed) list.add(path, f.size, f.marked);
  found_.clear();
}

}  // namespace scrubwell
