// Renaming a freshly written file into place.
#include "platform/file_rename.h"

#include <vector>

namespace scrubwell {
namespace {

// SetFileInformationByHandle and its rename record, declared here because the program is built
// for Windows XP, whose headers do not have them; the call is looked up at run time.
struct RenameRecord {
  BOOLEAN replaceIfExists;
  HANDLE rootDirectory;
  DWORD fileNameLength;  // in bytes, without a terminating zero
  WCHAR fileName[1];     // continues past the record
};
constexpr int kFileRenameInfo = 3;
using SetInformationByHandle = BOOL(WINAPI*)(HANDLE, int, LPVOID, DWORD);

SetInformationByHandle setInformationByHandle() {
  static const auto call = reinterpret_cast<SetInformationByHandle>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetFileInformationByHandle")));
  return call;
}

bool renameOpenFile(HANDLE file, const std::string& to) {
  const SetInformationByHandle call = setInformationByHandle();
  if (!call) return false;
  const int chars = MultiByteToWideChar(CP_ACP, 0, to.c_str(), -1, nullptr, 0);
  if (chars <= 1) return false;
  std::vector<char> buffer(sizeof(RenameRecord) + sizeof(WCHAR) * chars);
  auto* record = reinterpret_cast<RenameRecord*>(buffer.data());
  record->replaceIfExists = TRUE;
  record->rootDirectory = nullptr;
  record->fileNameLength = static_cast<DWORD>(sizeof(WCHAR) * (chars - 1));
  MultiByteToWideChar(CP_ACP, 0, to.c_str(), -1, record->fileName, chars);
  return call(file, kFileRenameInfo, record, static_cast<DWORD>(buffer.size())) != 0;
}

}  // namespace

bool closeAndRename(FileHandle& file, const std::string& from, const std::string& to) {
  if (file && renameOpenFile(file.get(), to)) {
    file.reset();
    return true;
  }
  file.reset();
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

}  // namespace scrubwell
