// The texts of the status report every deleting run writes: its header, one line per item, the
// summary labels and lines, and the date blocks of "save report" and "print report". The
// language's texts come in as parameters, so this needs no language object.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "scan/removal_ui.h"

namespace scrubwell {

// 28 blanks + text 1; 27 blanks + "==========="; ""; 25 blanks + text 157; ""; text 158; "".
std::vector<std::string> reportHeaderLines(const std::string& text1, const std::string& text157,
                                           const std::string& text158);
// Text 149 + " " + the path + the suffix.
std::string reportLine(const std::string& text149, const std::string& path,
                       const std::string& suffix);
// A count label: the label's text + " " + the count.
std::string countLabelText(const std::string& text, int64_t count);
// Text 94 + " " + (bytes div 1024) + " kbytes" above 9999 bytes, else + bytes + " bytes".
std::string freedSpaceText(const std::string& text94, int64_t bytes);
// "", "----------------------", then the unmarked, unremovable, removed and freed-space lines.
std::vector<std::string> summaryLines(const std::string& text93, const std::string& text94,
                                      const std::string& text95, const std::string& text96,
                                      const RemovalCounts& counts);
// What "save report" appends: three empty lines, the rule, the date and time, an empty line.
std::vector<std::string> saveDateBlock(const std::string& dateTime);
// What "print report" appends: the same without the last empty line.
std::vector<std::string> printDateBlock(const std::string& dateTime);

}  // namespace scrubwell
