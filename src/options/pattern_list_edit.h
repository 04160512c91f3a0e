// Editing the two pattern lists of the options window (file masks and search exceptions): add,
// change and delete one entry through the mask entry, then keep both lists free of dangerous
// entries. Window-free: the window hands over its list's entries and selection.
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace scrubwell {

enum class PatternEdit { add, change, remove };

struct PatternList {
  std::vector<std::string> entries;
  int selected = -1;  // -1: none
};

// The mask entry: shown with an initial text, returns the text to use (empty: no change).
using AskForPattern = std::function<std::string(const std::string& initial)>;

// One edit of `list`. Without a selection the first entry is selected first. "add" appends what
// was entered; "change" replaces the selected entry (and deletes it when it became empty or a
// single blank); "remove" deletes it. On an empty list, change and remove do nothing and ask
// nothing. The selection stays on the edited position, within the list.
void editPatternList(PatternEdit edit, PatternList& list, const AskForPattern& ask);

// After any edit of either list: the masks lose every entry the mask rule refuses, the
// exceptions every dangerous entry; the others keep their order.
void removeDangerousPatterns(std::vector<std::string>& masks, std::vector<std::string>& exceptions);

}  // namespace scrubwell
