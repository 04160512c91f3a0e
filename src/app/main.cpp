// Entry point of Scrubwell.exe.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  MessageBoxA(nullptr, "Scrubwell", "Scrubwell", MB_OK);
  return 0;
}
