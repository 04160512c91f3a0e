// What the system says of one file opened for reading while sharing everything: its size and
// its file index, and on request its full identity (the volume serial number with the file
// index), which tells whether two paths name the same file even when one of them runs through a
// link or another drive letter.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace scrubwell {

struct FileIdentity {
  DWORD volumeSerial = 0;
  uint64_t fileIndex = 0;
  bool operator==(const FileIdentity&) const = default;
};

struct OpenedFileFacts {
  int64_t size = 0;
  uint64_t fileIndex = 0;  // unique on its volume; two files of one index may still differ
};

// Opens `path` read-only, sharing reading, writing and deleting (so files in use by others can
// be read), and asks its size and file index. Empty when it cannot be opened (missing, a folder,
// locked by a holder that shares nothing) or the system does not answer.
std::optional<OpenedFileFacts> openedFileFacts(const std::string& path);

// The full identity of the file at `path`, opened as above. Dearer than openedFileFacts (under
// Wine the volume query costs about 0.7 ms a file): ask it only when the file indexes agree.
std::optional<FileIdentity> fileIdentityOf(const std::string& path);

}  // namespace scrubwell
