// Starting the installed-software panel and the system information program.
#include "multiclean/windows_tools.h"

#include <windows.h>

#include <cstring>

#include "base/file_ops.h"
#include "platform/handles.h"
#include "platform/seams.h"

namespace scrubwell {

std::string installedSoftwareProgram() {
  char folder[MAX_PATH] = {};
  const UINT n = GetSystemDirectoryA(folder, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return {};
  return std::string(folder, n) + "\\rundll32.exe";
}

bool showInstalledSoftware() {
  const std::string program = installedSoftwareProgram();
  return !program.empty() &&
         launcher().open(program, kInstalledSoftwareParameters, "", SW_SHOWNORMAL);
}

std::string systemInformationProgram() {
  RegKey key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Shared Tools\\MSInfo", 0, KEY_READ,
                    key.put()) != ERROR_SUCCESS)
    return {};
  char path[MAX_PATH + 1] = {};
  DWORD type = 0, size = MAX_PATH;
  if (RegQueryValueExA(key.get(), "Path", nullptr, &type, reinterpret_cast<BYTE*>(path), &size) !=
          ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return {};
  const std::string program(path, strnlen(path, size));
  return fileExists(program) ? program : std::string();
}

bool showSystemInformation() {
  const std::string program = systemInformationProgram();
  return !program.empty() && launcher().open(program, "", "", SW_SHOW);
}

}  // namespace scrubwell
