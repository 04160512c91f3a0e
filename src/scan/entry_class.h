// The class of a result entry, from its extension: risky programs and drivers, typical junk, or
// other. It decides the row's picture and the order and marks of "arrange entries".
#pragma once
#include <string_view>

namespace scrubwell {

enum class EntryClass { typicalJunk = 1, other = 2, risky = 3 };

EntryClass entryClassOf(std::string_view path);

}  // namespace scrubwell
