// Size and identity of an opened file.
#include "platform/file_identity.h"

#include "platform/handles.h"

namespace scrubwell {

std::optional<OpenedFileFacts> openedFileFacts(const std::string& path) {
  UniqueResource<FileHandleTraits> file(CreateFileA(
      path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(file.get(), &info)) return std::nullopt;
  if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
  OpenedFileFacts facts;
  facts.size =
      static_cast<int64_t>((static_cast<uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow);
  facts.identity.volumeSerial = info.dwVolumeSerialNumber;
  facts.identity.fileIndex =
      (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  return facts;
}

}  // namespace scrubwell
