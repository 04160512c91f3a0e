// The small file-system operations every part of the program uses. All take and return ANSI
// paths; they swallow their own errors and answer false, empty or -1, except where a function
// says that it throws.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace scrubwell {

// ---- Files ----

// The system's text for an error code (GetLastError), without the line end.
std::string systemMessage(unsigned long code);

// True when `path` holds "?" or "*". A name the ANSI code page cannot show comes back from the
// find functions with "?" in its place; such a path must never reach a call that reads patterns
// (the shell's delete, a backup's file list), where it would stand for other files.
bool hasWildcard(std::string_view path);
bool fileExists(const std::string& path);
// Copies the whole source over the destination (created or truncated).
// Throws std::runtime_error naming the file and the system's reason when that fails.
void copyFileByStream(const std::string& source, const std::string& destination);
// The system's copy, overwriting the destination; false on failure (callers usually ignore it).
bool copyFile(const std::string& source, const std::string& destination);
// Size in bytes of the first entry a find for `path` returns (attribute mask 63); -1 if none.
int64_t fileSize(const std::string& path);
// The size of an existing file from one attribute query (no find); -1 when `path` is no file.
int64_t systemFileSize(const std::string& path);
// All lines of a text file (CR LF, LF or CR ends a line); empty when the file does not exist.
// At most `maxBytes` of the file are read.
std::vector<std::string> readLines(const std::string& path, size_t maxBytes = 16 * 1024 * 1024);
// Reads at most `maxBytes` of a file; false when it cannot be opened or read.
bool readFileBytes(const std::string& path, std::string& content, size_t maxBytes);
// Writes `content` to `path` completely or not at all: a file that could not be written, flushed
// and closed whole is deleted again.
bool writeWholeFile(const std::string& path, const std::string& content);
// Creates a text file holding the single character "0" unless the file exists.
void createMarkerFile(const std::string& path);

// ---- Folders ----

// True when the path names an existing folder (a trailing "\" is allowed).
bool folderExists(const std::string& path);
// Strips one trailing "\"; true when a find for the path returns a folder other than "." and "..".
bool isFolder(const std::string& path);
// True for a folder holding nothing but "." and ".."; false for anything that is not a folder
// and for paths starting with "//" or "\\".
bool isEmptyFolder(const std::string& path);
// %TEMP% expanded, when that is an existing folder; else empty. No trailing "\".
std::string temporaryFolder();
// As temporaryFolder(), evaluated with "C:\" as the current folder, and never "C:".
std::string temporaryFolderStrict();
// The Windows folder without a trailing "\".
std::string windowsFolder();
// Sum of the sizes of the folder's entries; with `recursive`, also of every subfolder whose name
// does not start with ".".
int64_t folderSize(const std::string& folder, bool recursive);
// Sum of the sizes of all files matching a find pattern such as "C:\dir\*.log".
int64_t maskSize(const std::string& pattern);
// Names of the entries matching folder + mask (attribute mask 47, so files only), in find order,
// without "." and "..". Keeps the window responsive (pumps on a time slice) while it lists.
std::vector<std::string> listNames(const std::string& folder, const std::string& mask);
// Names of the subfolders of `folder` (attribute mask 16, so hidden and system folders are left
// out), in find order, without "." and "..". Pumps like listNames.
std::vector<std::string> listSubfolders(const std::string& folder);

// ---- Shell and registry ----

// Opens a file with the shell (verb "Open", shown) when it exists; false when it does not or the
// shell refused. Goes through the launcher seam.
bool openDocument(const std::string& path, const std::string& parameters = {});
// The same without the existence test: web addresses, mail links, programs.
bool openAddress(const std::string& address, const std::string& parameters = {});
// The shell's folder browser rooted at My Computer with `path` preselected; true and the chosen
// folder in `path` when the user chose a file-system folder. Goes through the prompts seam.
bool browseForFolder(HWND owner, const std::string& prompt, std::string& path);
// Reads a string value; the key is created when missing. Empty on any failure.
std::string readRegistryString(HKEY root, const std::string& key, const std::string& valueName);

}  // namespace scrubwell
