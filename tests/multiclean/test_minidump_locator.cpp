// A stand-in for KvFindMinidump.dll whose answer a test sets: the environment variable
// SCRUBWELL_TEST_MINIDUMP holds the folder to answer, "<null>" for a null pointer, and
// "<unterminated>" for a string that runs on without its terminator.
#include <windows.h>

namespace {
char answer[40000];
}

extern "C" __declspec(dllexport) const char* WINAPI findMinidump(const char*) {
  DWORD length = GetEnvironmentVariableA("SCRUBWELL_TEST_MINIDUMP", answer, sizeof answer);
  if (length == 0 || length >= sizeof answer) answer[0] = '\0';
  if (lstrcmpA(answer, "<null>") == 0) return nullptr;
  if (lstrcmpA(answer, "<unterminated>") == 0) {
    for (char& c : answer) c = 'x';  // no terminator in the whole buffer, longer than any path
    return answer;
  }
  return answer;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
