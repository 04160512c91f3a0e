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

}  // namespace scrubwell
