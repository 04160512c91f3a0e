// The pattern-list edits of the options window.
#include "options/pattern_list_edit.h"

#include <algorithm>

#include "base/dangerous_entry.h"

namespace scrubwell {

void editPatternList(PatternEdit edit, PatternList& list, const AskForPattern& ask) {
  const int count = static_cast<int>(list.entries.size());
  if (list.selected < 0 || list.selected >= count) list.selected = count > 0 ? 0 : -1;
  if (edit == PatternEdit::add) {
    std::string entered = ask("");
    if (!entered.empty()) list.entries.push_back(std::move(entered));
    return;
  }
  if (count == 0) return;
  auto selected = list.entries.begin() + list.selected;
  if (edit == PatternEdit::change) {
    std::string entered = ask(*selected);
    if (!entered.empty()) *selected = std::move(entered);
    if (!isBlankEntry(*selected)) return;
  }
  list.entries.erase(selected);
  list.selected = std::min(list.selected, static_cast<int>(list.entries.size()) - 1);
}

void removeDangerousPatterns(std::vector<std::string>& masks, std::vector<std::string>& exceptions) {
  removeDangerousMasks(masks);
  removeDangerousEntries(exceptions);
}

}  // namespace scrubwell
