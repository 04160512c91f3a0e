// Files as archive streams over Win32 handles, DOS dates and folder creation.
#include "backup/file_stream.h"

#include "platform/long_path.h"
#include "platform/seams.h"

namespace scrubwell {

bool FileStream::open(const std::string& path, DWORD access, DWORD share, DWORD disposition,
                      DWORD flags) {
  close();
  handle_.reset(openPath(path, access, share, disposition, flags));
  return isOpen();
}

bool FileStream::openRead(const std::string& path) {
  return open(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING,
              FILE_FLAG_SEQUENTIAL_SCAN);
}

bool FileStream::create(const std::string& path, DWORD attributes) {
  return open(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS, attributes);
}

bool FileStream::openAppend(const std::string& path) {
  if (!open(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, OPEN_EXISTING, 0)) return false;
  if (seek(size())) return true;
  close();
  return false;
}

void FileStream::close() {
  handle_.reset();
  position_ = 0;
}

int64_t FileStream::read(void* buffer, size_t count) {
  DWORD got = 0;
  if (!ReadFile(handle_.get(), buffer, static_cast<DWORD>(count), &got, nullptr)) return -1;
  position_ += got;
  return got;
}

bool FileStream::write(const void* data, size_t count) {
  DWORD put = 0;
  if (count == 0) return isOpen();
  if (!fileWrites().write(handle_.get(), data, static_cast<DWORD>(count), put)) return false;
  position_ += put;
  return put == count;
}

bool FileStream::seek(int64_t position) {
  if (position < 0 || position > size()) return false;
  LARGE_INTEGER to;
  to.QuadPart = position;
  if (!SetFilePointerEx(handle_.get(), to, nullptr, FILE_BEGIN)) return false;
  position_ = position;
  return true;
}

int64_t FileStream::size() const {
  LARGE_INTEGER s;
  return GetFileSizeEx(handle_.get(), &s) ? s.QuadPart : -1;
}

bool FileStream::dosDate(int32_t& date) const {
  FILETIME written;
  return GetFileTime(handle_.get(), nullptr, nullptr, &written) && fileTimeToDosDate(written, date);
}

bool FileStream::setDosDate(int32_t date) {
  FILETIME utc;
  return dosDateToFileTime(date, utc) && SetFileTime(handle_.get(), nullptr, nullptr, &utc);
}

bool fileTimeToDosDate(const FILETIME& utc, int32_t& date) {
  FILETIME local;
  WORD day = 0, time = 0;
  if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToDosDateTime(&local, &day, &time))
    return false;
  date = static_cast<int32_t>((static_cast<uint32_t>(day) << 16) | time);
  return true;
}

bool dosDateToFileTime(int32_t date, FILETIME& utc) {
  FILETIME local;
  auto bits = static_cast<uint32_t>(date);
  return DosDateTimeToFileTime(static_cast<WORD>(bits >> 16), static_cast<WORD>(bits), &local) &&
         LocalFileTimeToFileTime(&local, &utc);
}

DWORD fileAttributes(const std::string& path) {
  DWORD a = pathAttributes(path);
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) ? INVALID_FILE_ATTRIBUTES
                                                                        : a;
}

bool fileDosDate(const std::string& path, int32_t& date) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  return pathAttributeData(path, data) && !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
         fileTimeToDosDate(data.ftLastWriteTime, date);
}

bool createFolders(const std::string& folder) {
  std::string path = folder;
  while (path.size() > 3 && path.back() == '\\') path.pop_back();
  auto isFolder = [](const std::string& p) {
    DWORD a = pathAttributes(p);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
  };
  if (path.empty() || isFolder(path)) return !path.empty();
  size_t cut = path.find_last_of('\\');
  if (cut != std::string::npos && cut > 0 && cut + 1 < path.size() &&
      !createFolders(path.substr(0, cut + 1)))
    return false;
  createFolderPath(path);
  return isFolder(path);
}

}  // namespace scrubwell
