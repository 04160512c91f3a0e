// The result list as a CSV file (RFC 4180), for "Save list..." and /preview /csv: a header line,
// then one line per entry with its full path, its size in bytes (empty when the path is no
// file), its class (junk, other or risky) and whether it is marked (yes or no). Fields holding a
// comma, a quote or a line break are quoted, quotes doubled; lines end in CR LF. Paths stay in
// the Windows code page they were found in, as every other file the program writes.
#pragma once
#include <string>
#include <string_view>

#include "scan/result_list.h"

namespace scrubwell {

extern const char* const kResultCsvHeader;  // "Path,Size,Class,Marked"

std::string csvField(std::string_view text);
// One entry's line, without the line end.
std::string resultCsvLine(const ResultList& list, size_t i);
// The header and every entry; the marks are the rows' when the display list is built, else the
// marks the entries start with.
std::string resultListCsv(const ResultList& list);

}  // namespace scrubwell
