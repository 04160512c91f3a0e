// The texts the backup window shows for backup points and their files, and the way back from a
// file line to the path it restores.
#pragma once
#include <cstdint>
#include <string>

namespace scrubwell {

// `bytes` / 1024 rounded to a whole number, an exact half to the even neighbour.
int64_t kilobytesRoundedHalfEven(int64_t bytes);

// "<title>: <files> <filesWord>, <kilobytes> KB" for the point list.
std::string pointDisplayLine(const std::string& title, int32_t fileCount, int64_t totalBytes,
                             const std::string& filesWord);

// A file-ID line ("path<TAB>date=size") as the file list shows it: "path, <size / 1024> kb".
// A line without a tab is all path; a missing or unreadable size counts as 0.
std::string fileListLine(const std::string& fileIdLine);

// The path a file-list line restores: the text before its last ",", so a path holding commas
// comes back whole.
std::string pathOfFileListLine(const std::string& line);

}  // namespace scrubwell
