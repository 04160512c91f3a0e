// The result list every file scan fills.
#include "scan/result_list.h"

#include <algorithm>

#include "scan/row_text.h"
#include "scan/size_text.h"

namespace scrubwell {
namespace {

template <class E>
bool keyLess(const E& a, const E& b) {
  return a.key < b.key;
}

}  // namespace

ResultList::ResultList(SortKeyMaker keyMaker) : keyMaker_(std::move(keyMaker)) {}

void ResultList::add(std::string path, int64_t knownSize, bool marked) {
  Entry e{std::move(path), {}, knownSize, EntryClass::other, marked};
  e.key = keyMaker_(e.path);
  e.cls = entryClassOf(e.path);
  if (!ordered_) {
    // After arranging, the list is not sorted; place the path by a binary search over what is
    // there, as a sorted list box would.
    settle();
    auto at = std::upper_bound(entries_.begin(), entries_.end(), e, keyLess<Entry>);
    entries_.insert(at, std::move(e));
    sortedCount_ = entries_.size();
    return;
  }
  entries_.push_back(std::move(e));
}

void ResultList::settle() const {
  if (sortedCount_ == entries_.size()) return;
  auto mid = entries_.begin() + static_cast<std::ptrdiff_t>(sortedCount_);
  std::stable_sort(mid, entries_.end(), keyLess<Entry>);
  std::inplace_merge(entries_.begin(), mid, entries_.end(), keyLess<Entry>);
  sortedCount_ = entries_.size();
}

size_t ResultList::size() const {
  settle();
  return entries_.size();
}

const std::string& ResultList::path(size_t i) const {
  settle();
  return entries_[i].path;
}

bool ResultList::isMarked(size_t i) const {
  settle();
  return entries_[i].marked;
}

void ResultList::setMarked(size_t i, bool marked) {
  settle();
  entries_[i].marked = marked;
}

EntryClass ResultList::entryClass(size_t i) const {
  settle();
  return entries_[i].cls;
}

int64_t ResultList::fileSize(size_t i) const {
  settle();
  return entries_[i].size;
}

size_t ResultList::removeWhere(const std::function<bool(const std::string& path)>& drop) {
  settle();
  const bool rowsAligned = rows_.size() == entries_.size();
  size_t kept = 0;
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (drop(entries_[i].path)) continue;
    if (kept != i) {
      entries_[kept] = std::move(entries_[i]);
      if (rowsAligned) rows_[kept] = std::move(rows_[i]);
    }
    ++kept;
  }
  const size_t removed = entries_.size() - kept;
  entries_.resize(kept);
  if (rowsAligned) rows_.resize(kept);
  sortedCount_ = kept;
  return removed;
}

void ResultList::clear() {
  entries_.clear();
  sortedCount_ = 0;
  ordered_ = true;
  rows_.clear();
}

void ResultList::rebuildRows(const FileSizer& sizer) {
  settle();
  rows_.clear();
  rows_.reserve(entries_.size());
  for (auto& e : entries_) {
    if (e.size == kUnknownSize) e.size = sizer ? sizer(e.path) : -1;
    rows_.push_back({scrubwell::rowText(e.path, sizeText(e.size)), false});
  }
}

size_t ResultList::countMarkedRows() const {
  if (rows_.empty()) return 1;
  return static_cast<size_t>(
      std::count_if(rows_.begin(), rows_.end(), [](const Row& r) { return r.marked; }));
}

void ResultList::markEverything(bool marked) {
  settle();
  for (auto& e : entries_) e.marked = marked;
  for (auto& r : rows_) r.marked = marked;
}

void ResultList::copyRowMarksToRaw() {
  settle();
  const size_t n = std::min(rows_.size(), entries_.size());
  for (size_t i = 0; i < n; ++i) entries_[i].marked = rows_[i].marked;
}

void ResultList::copyRawMarksToRows() {
  settle();
  const size_t n = std::min(rows_.size(), entries_.size());
  for (size_t i = 0; i < n; ++i) rows_[i].marked = entries_[i].marked;
}

int64_t ResultList::totalSize() const {
  settle();
  int64_t total = 0;
  for (const auto& e : entries_)
    if (e.size > 0) total += e.size;
  return total;
}

int64_t ResultList::markedSize() const {
  settle();
  int64_t total = 0;
  for (const auto& e : entries_)
    if (e.marked && e.size > 0) total += e.size;
  return total;
}

void ResultList::arrange() {
  settle();
  const size_t n = entries_.size();
  const bool withRows = rows_.size() == n;
  // A stable partition by class, computed as an index order and applied to both lists at once.
  std::vector<size_t> order;
  order.reserve(n);
  for (EntryClass cls : {EntryClass::typicalJunk, EntryClass::other, EntryClass::risky})
    for (size_t i = 0; i < n; ++i)
      if (entries_[i].cls == cls) order.push_back(i);
  std::vector<Entry> entries;
  entries.reserve(n);
  std::vector<Row> rows;
  if (withRows) rows.reserve(n);
  for (size_t i : order) {
    entries.push_back(std::move(entries_[i]));
    if (withRows) rows.push_back(std::move(rows_[i]));
  }
  entries_ = std::move(entries);
  if (withRows) rows_ = std::move(rows);
  ordered_ = false;

  for (size_t i = 0; i < n; ++i) {
    if (entries_[i].cls == EntryClass::risky) continue;
    entries_[i].marked = true;
    if (withRows) rows_[i].marked = true;
  }
  if (withRows && n > 0 && entries_[0].cls == EntryClass::risky) rows_[0].marked = false;
}

}  // namespace scrubwell
