// Prints how long Scrubwell.exe takes from its start to a visible main window (a later start,
// language already chosen), and to the language window on a first start. Run it under the Wine
// runner: tools/wine-run build/windows/bench/app/startup_bench.exe
#include <windows.h>

#include <cstdio>

#include "e2e/program_driver.h"
#include "main_window_res.h"
#include "language_window_res.h"
#include "support/scratch.h"

using namespace scrubwell::test;

static double timeToWindow(const std::string& exe, int control) {
  LARGE_INTEGER f, a, b;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&a);
  RunningProgram p(exe);
  HWND w = p.waitForWindow(control, 30000);
  QueryPerformanceCounter(&b);
  if (!w) return -1;
  PostMessageA(w, WM_CLOSE, 0, 0);
  p.waitForExit();
  return 1000.0 * static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}

int main() {
  std::string exe = installProgram() + "Scrubwell.exe";
  std::printf("first start to the language window: %.0f ms\n", timeToWindow(exe, IDC_LNG_LIST));
  languageChosenWithSettings("[Language]\r\nselected=0\r\n");
  for (int i = 0; i < 3; ++i)
    std::printf("start to the main window, run %d: %.0f ms\n", i + 1,
                timeToWindow(exe, IDC_MAIN_SIDE1));
  return 0;
}
