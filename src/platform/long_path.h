// Paths the plain file calls cannot take — names ending in a dot or a blank, paths longer than
// MAX_PATH — reach the file system in the "\\?\" form, which the system takes as it is. The file
// calls of backups, removals and restores go through these.
#pragma once
#include <windows.h>

#include <string>

namespace scrubwell {

// The wide form of `path` for the W file calls: a full drive path ("X:\...", without "." or ".."
// parts and without "/") in the "\\?\" form, any other path as it is.
std::wstring systemPath(const std::string& path);

HANDLE openPath(const std::string& path, DWORD access, DWORD share, DWORD disposition, DWORD flags);
DWORD pathAttributes(const std::string& path);
bool pathAttributeData(const std::string& path, WIN32_FILE_ATTRIBUTE_DATA& data);
bool setPathAttributes(const std::string& path, DWORD attributes);
bool deletePath(const std::string& path);
bool movePath(const std::string& from, const std::string& to, DWORD flags);
bool createFolderPath(const std::string& path);

// True when the plain calls would not reach this file as named: its name ends in a dot or a
// blank, or the path is MAX_PATH characters or longer.
bool needsSystemPath(const std::string& path);

}  // namespace scrubwell
