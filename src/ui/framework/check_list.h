// A list with a check box per entry, shown as a one-column list view with check boxes. The
// wrapper holds the entries, their checks and the selection; the user's clicks, selection moves
// and the space bar (which toggles the selected entry) are taken back into it.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/framework/controls.h"

namespace scrubwell::ui {

class CheckListBox : public RowHoverList {
 public:
  using RowHoverList::RowHoverList;

  int count() const { return static_cast<int>(items_.size()); }
  const std::string& item(int i) const { return items_.at(static_cast<size_t>(i)); }
  const std::vector<std::string>& items() const { return items_; }
  void setItems(std::vector<std::string> items);  // every entry unchecked, nothing selected
  void add(const std::string& s);
  void removeAt(int i);
  void clear();

  bool checked(int i) const { return checks_.at(static_cast<size_t>(i)) != 0; }
  void setChecked(int i, bool c);  // does not call onCheck

  int selectedIndex() const { return selected_; }
  void setSelectedIndex(int i);  // -1 for none; out of range selects none; no onSelect

  std::function<void()> onSelect;       // the user moved the selection
  std::function<void(int)> onCheck;     // the user toggled entry i

  LRESULT handleNotify(NMHDR* nm) override;

 protected:
  void syncToNative() override;

 private:
  void pushCheck(int i);
  void pushSelection();
  void itemChanged(const NMLISTVIEW& lv);

  std::vector<std::string> items_;
  std::vector<char> checks_;
  int selected_ = -1;
  bool syncing_ = false;  // our own changes to the native list are not user input
};

}  // namespace scrubwell::ui
