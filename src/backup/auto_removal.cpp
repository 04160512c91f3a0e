// The Run entry for the backup checker.
#include "backup/auto_removal.h"

#include <windows.h>

#include <cstring>

#include "backup/file_stream.h"
#include "base/app_state.h"
#include "base/data_folder.h"
#include "platform/handles.h"

namespace scrubwell {
namespace {

RegKey openRunKey(REGSAM access) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, access, &key) != ERROR_SUCCESS) return RegKey();
  return RegKey(key);
}

}  // namespace

bool autoRemovalRegistered() {
  RegKey key = openRunKey(KEY_QUERY_VALUE);
  if (!key) return false;
  char data[1024] = {};
  DWORD size = sizeof data - 1, type = 0;
  LONG r = RegQueryValueExA(key.get(), kAutoRemovalValue, nullptr, &type,
                            reinterpret_cast<BYTE*>(data), &size);
  if (r != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
  data[size < sizeof data ? size : sizeof data - 1] = 0;
  return strlen(data) > 4;
}

void setAutoRemoval(bool on) {
  std::string checker = locateFile(kProductName, "Checker.exe");
  RegKey key = openRunKey(KEY_SET_VALUE | KEY_QUERY_VALUE);
  if (!key) return;
  if (!on) {
    RegDeleteValueA(key.get(), kAutoRemovalValue);
  } else if (fileAttributes(checker) != INVALID_FILE_ATTRIBUTES) {
    // Quoted: an unquoted path with blanks would let Windows try "C:\\Program.exe" first.
    std::string data = "\"" + checker + "\" /check";
    RegSetValueExA(key.get(), kAutoRemovalValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>(data.size() + 1));
  }
}

}  // namespace scrubwell
