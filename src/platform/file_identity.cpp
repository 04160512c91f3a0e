// Size and identity of an opened file.
#include "platform/file_identity.h"

#include "platform/handles.h"

namespace scrubwell {
namespace {

using FileHandle = UniqueResource<FileHandleTraits>;

FileHandle openForReading(const std::string& path) {
  return FileHandle(CreateFileA(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

// The file index without the volume query: the native information class FileInternalInformation
// (the documented ZwQueryInformationFile's), looked up once; GetFileInformationByHandle where it
// is missing.
std::optional<uint64_t> fileIndexOf(HANDLE file) {
  struct IoStatus {
    void* status;
    ULONG_PTR information;
  };
  using Query = LONG(WINAPI*)(HANDLE, IoStatus*, PVOID, ULONG, int);
  constexpr int kFileInternalInformation = 6;
  static const Query query = reinterpret_cast<Query>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationFile")));
  if (query) {
    IoStatus io{};
    LARGE_INTEGER index{};
    if (query(file, &io, &index, sizeof index, kFileInternalInformation) >= 0)
      return static_cast<uint64_t>(index.QuadPart);
  }
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(file, &info)) return std::nullopt;
  return (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
}

}  // namespace

std::optional<OpenedFileFacts> openedFileFacts(const std::string& path) {
  FileHandle file = openForReading(path);
  if (!file) return std::nullopt;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.get(), &size)) return std::nullopt;
  const std::optional<uint64_t> index = fileIndexOf(file.get());
  if (!index) return std::nullopt;
  return OpenedFileFacts{static_cast<int64_t>(size.QuadPart), *index};
}

std::optional<FileIdentity> fileIdentityOf(const std::string& path) {
  FileHandle file = openForReading(path);
  if (!file) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(file.get(), &info)) return std::nullopt;
  return FileIdentity{info.dwVolumeSerialNumber,
                      (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

}  // namespace scrubwell
