// What the system says of one file opened for reading while sharing everything: its size and its
// identity (the volume serial number and the file index), which tells whether two paths name
// the same file even when one of them runs through a link or another drive letter.
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
  FileIdentity identity;
};

// Opens `path` read-only, sharing reading, writing and deleting (so files in use by others can
// be read), and asks its size and identity. Empty when it cannot be opened (missing, a folder,
// locked by a holder that shares nothing) or the system does not answer.
std::optional<OpenedFileFacts> openedFileFacts(const std::string& path);

}  // namespace scrubwell
