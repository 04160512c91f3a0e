// KvFindMinidump.dll: tells Scrubwell where Windows writes its crash minidumps. The one export,
// findMinidump, takes today's date (unused: where the dumps go does not depend on it) and answers
// the folder the crash-control setting names, with its environment variables expanded, or else
// the Windows folder's "Minidump" folder — and only when that folder exists; otherwise "". The
// answer stays valid until the library is released.
#include <windows.h>

namespace {

char answer[MAX_PATH * 2];

bool isFolder(const char* path) {
  DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The crash-control setting "MinidumpDir", expanded; false when it is missing or not a string.
bool configuredFolder(char* out, DWORD size) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\CrashControl", 0,
                    KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return false;
  char raw[MAX_PATH] = {};
  DWORD type = 0, bytes = sizeof raw - 1;
  LONG read = RegQueryValueExA(key, "MinidumpDir", nullptr, &type, reinterpret_cast<BYTE*>(raw),
                               &bytes);
  RegCloseKey(key);
  if (read != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ) || raw[0] == '\0')
    return false;
  DWORD length = ExpandEnvironmentStringsA(raw, out, size);
  return length > 0 && length <= size;
}

}  // namespace

extern "C" __declspec(dllexport) const char* WINAPI findMinidump(const char* /*today*/) {
  answer[0] = '\0';
  char folder[MAX_PATH * 2] = {};
  if (!configuredFolder(folder, sizeof folder)) {
    UINT length = GetWindowsDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return answer;
    lstrcatA(folder, folder[length - 1] == '\\' ? "Minidump" : "\\Minidump");
  }
  if (isFolder(folder)) lstrcpynA(answer, folder, sizeof answer);
  return answer;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
