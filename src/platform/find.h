// Directory enumeration with the find functions, filtered by the attribute-mask rule.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/handles.h"

namespace scrubwell {

// The size in bytes that find data or attribute data (WIN32_FIND_DATAA,
// WIN32_FILE_ATTRIBUTE_DATA) hold in two 32-bit halves.
template <class FileData>
int64_t fileSizeOf(const FileData& data) {
  return static_cast<int64_t>((static_cast<uint64_t>(data.nFileSizeHigh) << 32) |
                              data.nFileSizeLow);
}

// Iterates the entries of a find pattern (for example "C:\\dir\\*.*") that pass `attributeMask`.
// "." and ".." are returned like any entry; callers skip them where they must. A pattern of
// MAX_PATH characters or more is searched through the wide "\\?\" form, so a walk reaches files
// below an over-long path too; their names come back in the Windows code page.
class FindFiles {
 public:
  FindFiles(const std::string& pattern, DWORD attributeMask);
  // Moves to the next passing entry; false at the end (or when the pattern found nothing).
  bool next();
  const WIN32_FIND_DATAA& data() const { return data_; }
  const char* name() const { return data_.cFileName; }
  // The 8.3 name when the system made one, else the long name.
  const char* shortOrLongName() const {
    return data_.cAlternateFileName[0] ? data_.cAlternateFileName : data_.cFileName;
  }
  bool isDirectory() const { return (data_.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
  // The entry's size in bytes.
  int64_t size() const { return fileSizeOf(data_); }
  bool isDots() const;

 private:
  bool findNext();
  FindHandle handle_;
  WIN32_FIND_DATAA data_{};
  bool wide_ = false;  // the pattern was too long for the plain calls
  DWORD mask_;
  bool first_ = true;
  bool done_ = false;
};

}  // namespace scrubwell
