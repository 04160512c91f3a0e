// Sending to the recycle bin with the shell's delete operation, and emptying it.
#include "base/recycle.h"

#include <windows.h>
#include <shellapi.h>

#include "base/file_ops.h"
#include "platform/handles.h"

namespace scrubwell {

bool sendToRecycleBin(const std::string& path) {
  std::string p = path;
  while (p.size() > 3 && p.back() == '\\') p.pop_back();
  if (p.size() <= 3) return false;   // never a drive root
  if (hasWildcard(p)) return false;  // the operation would read it as a pattern
  p.push_back('\0');                 // the operation takes a list ended by two zeros
  SHFILEOPSTRUCTA op{};
  op.wFunc = FO_DELETE;
  op.pFrom = p.c_str();
  op.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
  return SHFileOperationA(&op) == 0 && !op.fAnyOperationsAborted;
}

bool hasRecycleBin(const std::string& path) {
  if (path.size() < 3 || path[1] != ':' || path[2] != '\\') return false;
  return GetDriveTypeA(path.substr(0, 3).c_str()) == DRIVE_FIXED;
}

namespace {

using EmptyFunction = HRESULT(WINAPI*)(HWND, LPCSTR, DWORD);
using QueryFunction = HRESULT(WINAPI*)(LPCSTR, SHQUERYRBINFO*);

// The items in the bins of all drives; -1 when they cannot be counted.
int64_t binItems(QueryFunction query) {
  if (!query) return -1;
  SHQUERYRBINFO info{};
  info.cbSize = sizeof(info);
  if (FAILED(query(nullptr, &info))) return -1;
  return info.i64NumItems;
}

}  // namespace

RecycleBinEmptying emptyRecycleBin(HWND owner) {
  return emptyRecycleBin(owner, "SHELL32.DLL", "SHEmptyRecycleBinA");
}

RecycleBinEmptying emptyRecycleBin(HWND owner, const char* library, const char* function) {
  Module shell(LoadLibraryA(library));
  if (!shell) return RecycleBinEmptying::unavailable;
  auto empty = reinterpret_cast<EmptyFunction>(GetProcAddress(shell.get(), function));
  if (!empty) return RecycleBinEmptying::unavailable;
  auto query = reinterpret_cast<QueryFunction>(GetProcAddress(shell.get(), "SHQueryRecycleBinA"));
  const int64_t before = binItems(query);
  const HRESULT result = empty(owner, nullptr, SHERB_NOCONFIRMATION | SHERB_NOSOUND);
  const int64_t after = binItems(query);
  if (before == 0) return RecycleBinEmptying::alreadyEmpty;
  if (after < 0)
    return SUCCEEDED(result) ? RecycleBinEmptying::emptied : RecycleBinEmptying::notEmptied;
  return after == 0 ? RecycleBinEmptying::emptied : RecycleBinEmptying::notEmptied;
}

}  // namespace scrubwell
