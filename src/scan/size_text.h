// The size texts of the result list and its status line.
#pragma once
#include <cstdint>
#include <string>

namespace scrubwell {

// The size column of a result row for a file of `bytes` bytes: whole kilobytes, with ".5" for
// an odd half kilobyte below 10240 bytes ("2.5kb", "14kb"). A negative size (the path is no
// longer a file) gives "0kb".
std::string sizeText(int64_t bytes);

// The total of the status line: "  0kb" below 1024 bytes, otherwise whole kilobytes + "kb".
std::string totalSizeText(int64_t bytes);

// A freed-space amount: whole kilobytes (the division rounds toward zero) followed directly by
// "kb", as "0kb" or "12kb".
std::string kilobyteText(int64_t bytes);

// The status line under the result list: the entry count, a run of blanks (five right after
// "mark everything", four otherwise), the caption `sizeCaption` and the total.
std::string statusLineText(size_t entryCount, const std::string& sizeCaption, int64_t totalBytes,
                           bool afterMarkEverything);

}  // namespace scrubwell
