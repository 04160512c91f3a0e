// Files as archive streams, and the file facts the archive stores and restores: last-write
// dates as DOS date-times in local time, and folders created on demand.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "backup/archive_stream.h"
#include "platform/handles.h"

namespace scrubwell {

class FileStream final : public ArchiveStream {
 public:
  FileStream() = default;
  FileStream(FileStream&&) = default;
  FileStream& operator=(FileStream&&) = default;

  // Opens an existing file for reading; others may go on reading and writing it.
  bool openRead(const std::string& path);
  // Creates a file for reading and writing, replacing one of that name.
  bool create(const std::string& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL);
  // Opens an existing file for reading and writing, positioned at its end.
  bool openAppend(const std::string& path);
  void close();
  bool isOpen() const { return static_cast<bool>(handle_); }

  int64_t read(void* buffer, size_t count) override;
  bool write(const void* data, size_t count) override;
  bool seek(int64_t position) override;
  int64_t position() const override { return position_; }
  int64_t size() const override;
  bool truncate() override { return SetEndOfFile(handle_.get()) != FALSE; }

  // The file's last-write time as a DOS date-time; false when it has none in the DOS range.
  bool dosDate(int32_t& date) const;
  bool lastWrite(FILETIME& utc) const {
    return GetFileTime(handle_.get(), nullptr, nullptr, &utc) != FALSE;
  }
  bool setDosDate(int32_t date);

 private:
  bool open(const std::string& path, DWORD access, DWORD share, DWORD disposition, DWORD flags);

  FileHandle handle_;
  int64_t position_ = 0;
};

// DOS date-time (local time, date in the high 16 bits) of a UTC file time, and back.
bool fileTimeToDosDate(const FILETIME& utc, int32_t& date);
bool dosDateToFileTime(int32_t date, FILETIME& utc);

// The attributes of an existing file (not a folder), or INVALID_FILE_ATTRIBUTES.
DWORD fileAttributes(const std::string& path);
// The last-write DOS date-time of an existing file; false when there is none.
bool fileDosDate(const std::string& path, int32_t& date);
// Creates a folder and every missing parent; true when the folder exists afterwards.
bool createFolders(const std::string& folder);

}  // namespace scrubwell
