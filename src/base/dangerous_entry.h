// The rule that keeps a file-mask or exception list from holding an entry that would match
// everything: such entries are removed after every edit and after the settings are loaded.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace scrubwell {

// Empty or a single blank: such a list entry adds nothing.
bool isBlankEntry(std::string_view entry);
// Empty, a single blank, exactly "*.*", exactly "*.???", or ending in "???" (case-sensitive).
bool isDangerousEntry(std::string_view entry);
// Deletes every dangerous entry; the others keep their order.
void removeDangerousEntries(std::vector<std::string>& entries);

// The file-mask list's stricter rule: a dangerous entry, a mask that selects every file (after
// trimming blanks and trailing dots it is "*.*", or only '*' and '?' with at least one '*'), or
// a mask holding '\', '/' or ':' (a mask names files, never a path). The exception list keeps
// the plain rule, so entries such as "C:\Data" stay there.
bool isDangerousMask(std::string_view mask);
void removeDangerousMasks(std::vector<std::string>& masks);

}  // namespace scrubwell
