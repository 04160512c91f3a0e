// Entry point of Scrubwell.exe: hands the first command-line argument to the start-up sequence.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "app/startup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  std::string first = __argc > 1 ? __argv[1] : "";
  return scrubwell::runProgram(first);
}
