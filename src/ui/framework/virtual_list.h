// A list view in owner-data mode: the rows live in a C++ container and are asked for only when
// painted, so hundreds of thousands of rows cost nothing to show. Each row has a mark shown as its
// check box; a click anywhere on a row reports that row.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "ui/framework/controls.h"

namespace scrubwell::ui {

class VirtualList : public RowHoverList {
 public:
  using RowHoverList::RowHoverList;

  // The data: the row count, each row's text and mark.
  std::function<size_t()> rowCount;
  std::function<std::string(size_t)> rowText;
  std::function<bool(size_t)> rowMarked;

  std::function<void(size_t)> onRowClick;  // the user clicked row i

  // Tells the native list that the data changed (count and every visible row).
  void refresh();
  void refreshRow(size_t i);
  // The first visible row and how many rows fit (0 while there is no native list).
  int topIndex() const;
  int visibleRows() const;
  int rowHeight() const;
  // The top-left corner of the first visible row, in the list's client coordinates.
  POINT firstRowOrigin() const;
  // The selected rows, in order (none while there is no native list), and selecting one.
  std::vector<size_t> selectedRows() const;
  void selectRow(size_t i, bool selected);
  // Where a shortcut menu for the selection opens from the keyboard: below the focused or first
  // selected row, in screen coordinates.
  POINT selectionMenuPoint() const;
  // The header's caption (a report list shows one column).
  void setHeader(const std::string& caption);

  LRESULT handleNotify(NMHDR* nm) override;

 protected:
  void syncToNative() override;

 private:
  std::string buffer_;
  std::string header_;
};

}  // namespace scrubwell::ui
