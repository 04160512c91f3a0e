// The result list every file scan fills: a raw list of full paths kept in the order of a sorted
// Windows list box (case-insensitive), each with a mark, and an index-aligned display list of
// row texts with marks of their own. Scans only append to the raw list; rebuildRows() makes the
// display list from it; a reordering always moves both lists together.
//
// The order comes from precomputed sort keys compared bytewise; the key maker is injected (the
// system's case-insensitive sort key on Windows). Appends are collected and merged in one sort the
// next time the list is read, so filling 200,000 entries stays linearithmic.
#pragma once
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "scan/entry_class.h"

namespace scrubwell {

class ResultList {
 public:
  using SortKeyMaker = std::function<std::string(std::string_view path)>;
  // The size of a file in bytes, or -1 when the path is not an existing file.
  using FileSizer = std::function<int64_t(const std::string& path)>;
  static constexpr int64_t kUnknownSize = std::numeric_limits<int64_t>::min();
  // Above this many entries the results window warns before it shows them.
  static constexpr size_t kManyEntries = 10000;

  explicit ResultList(SortKeyMaker keyMaker);

  // --- raw list
  // Inserts `path` at its sorted place (after equal paths). A walk that knows the size from its
  // directory entry passes it, so rebuildRows() need not ask the file system again; a scan
  // passes the mark the entry starts with.
  void add(std::string path, int64_t knownSize = kUnknownSize, bool marked = false);
  size_t size() const;
  bool empty() const { return size() == 0; }
  const std::string& path(size_t i) const;
  bool isMarked(size_t i) const;
  void setMarked(size_t i, bool marked);
  EntryClass entryClass(size_t i) const;
  // The size found by the last rebuild (-1 for a path that was no file), else the known size.
  int64_t fileSize(size_t i) const;
  // Empties both lists.
  void clear();
  // Takes every entry whose path `drop` accepts out of both lists (a row goes with its entry and
  // the others keep their order and marks); returns how many went.
  size_t removeWhere(const std::function<bool(const std::string& path)>& drop);

  // --- display list
  // Replaces every row by the row text of the raw entry at the same index; rows start unmarked.
  // `sizer` is asked only for entries whose size is not known yet.
  void rebuildRows(const FileSizer& sizer);
  size_t rowCount() const { return rows_.size(); }
  const std::string& rowText(size_t i) const { return rows_[i].text; }
  bool isRowMarked(size_t i) const { return rows_[i].marked; }
  void setRowMarked(size_t i, bool marked) { rows_[i].marked = marked; }
  void toggleRow(size_t i) { rows_[i].marked = !rows_[i].marked; }
  // The number of marked rows; 1 when the display list is empty.
  size_t countMarkedRows() const;

  // --- both lists
  void markEverything(bool marked);
  // After a row click: each raw entry takes the mark of the row at its index.
  void copyRowMarksToRaw();
  // After a scan: each row takes the mark its raw entry started with.
  void copyRawMarksToRows();
  // Sum of the sizes of all (or all marked) raw entries; paths that are no files count 0.
  int64_t totalSize() const;
  int64_t markedSize() const;
  // "Arrange entries": typical junk first, then the other entries, then the risky ones, each
  // group in its present order; marks every non-risky entry and leaves the marks of risky ones,
  // except that row 0 ends unmarked when it is risky.
  void arrange();

 private:
  struct Entry {
    std::string path;
    std::string key;
    int64_t size;
    EntryClass cls;
    bool marked;
  };
  struct Row {
    std::string text;
    bool marked;
  };
  void settle() const;

  SortKeyMaker keyMaker_;
  mutable std::vector<Entry> entries_;
  mutable size_t sortedCount_ = 0;  // entries_[0, sortedCount_) are in order; the rest wait
  bool ordered_ = true;             // false after arrange(): new paths are placed like a list box
  std::vector<Row> rows_;
};

}  // namespace scrubwell
