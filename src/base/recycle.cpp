// Sending a file or folder to the recycle bin with the shell's delete operation.
#include "base/recycle.h"

#include <windows.h>
#include <shellapi.h>

#include "base/file_ops.h"

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

}  // namespace scrubwell
