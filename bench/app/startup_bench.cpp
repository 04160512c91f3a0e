// Prints how long Scrubwell.exe takes from its start to a visible main window (a later start,
// language already chosen) and to the language window on a first start, beside the time the
// minimal window program of this folder takes to show its window, started the same way in the
// same run. The main window's start is measured with the shipped background picture, without
// any picture, and with a 4000 x 3000 one. Run it under the Wine runner: tools/wine-run build/windows/bench/app/startup_bench.exe
// With WINEDEBUG=-all,+debugstr the program's own phase log goes to standard error as well.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "e2e/program_driver.h"
#include "language_window_res.h"
#include "main_window_res.h"
#include "minimal_window.h"
#include "options/jpeg_test_picture.h"
#include "ui/framework/look.h"
#include "support/scratch.h"

using namespace scrubwell::test;

namespace {

constexpr int kRuns = 5;

// Milliseconds from starting `exe` to its visible window holding `control` (-1 when none came);
// then its windows are closed (a closed language window lets the start go on to the main window,
// which is closed in turn) and the program awaited.
double timeToWindow(const std::string& exe, int control) {
  LARGE_INTEGER f, a, b;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&a);
  RunningProgram p(exe);
  HWND w = p.waitForWindow(control, 30000, 2);
  QueryPerformanceCounter(&b);
  for (int i = 0; i < 50 && p.waitForExit(100) < 0; ++i)
    for (HWND open : visibleWindowsOf(p.processId())) PostMessageA(open, WM_CLOSE, 0, 0);
  if (!w) return -1;
  return 1000.0 * static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// The fastest run: on a shared machine the others mostly measure what else was running.
double fastest(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

// The fastest of ten loads of a background picture in this process: reading, decoding, and
// making the window and tool-band brushes, which is what the picture adds to a start.
double pictureLoad(const std::string& path) {
  std::vector<double> runs;
  LARGE_INTEGER f, a, b;
  QueryPerformanceFrequency(&f);
  for (int i = 0; i < 10; ++i) {
    QueryPerformanceCounter(&a);
    bool loaded = scrubwell::ui::setBackgroundPicture(path);
    QueryPerformanceCounter(&b);
    scrubwell::ui::clearBackgroundPicture();
    if (!loaded) return -1;
    runs.push_back(1000.0 * static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart));
  }
  return fastest(runs);
}

void report(const char* what, const std::vector<double>& runs, double minimal) {
  std::printf("%s:", what);
  for (double ms : runs) std::printf(" %.0f", ms);
  double m = median(runs);
  std::printf(" ms; fastest %.0f ms, median %.0f ms", fastest(runs), m);
  if (minimal > 0) std::printf(" = %.1fx the minimal window program", m / minimal);
  std::printf("\n");
}

}  // namespace

int main() {
  const std::string minimalExe = buildFolder() + "bench\\app\\minimal_window.exe";
  const std::string exe = installProgram() + "Scrubwell.exe";
  std::vector<double> minimal, language, main;
  // The minimal program's first start also pays for loading the system DLLs once.
  timeToWindow(minimalExe, kMinimalWindowButton);
  for (int i = 0; i < kRuns; ++i) minimal.push_back(timeToWindow(minimalExe, kMinimalWindowButton));
  // Every start without the language marker is a first start.
  for (int i = 0; i < kRuns; ++i) {
    DeleteFileA((programDataFolder() + "Scrubwell.cho").c_str());
    language.push_back(timeToWindow(exe, IDC_LNG_LIST));
  }
  languageChosenWithSettings("[Language]\r\nselected=0\r\n");
  for (int i = 0; i < kRuns; ++i) main.push_back(timeToWindow(exe, IDC_MAIN_SIDE1));

  // The background picture is the first one, beside the program.
  const std::string shipped = exe.substr(0, exe.size() - 13) + "Scrubwell.bg0.jpg";
  const std::string aside = shipped + ".aside";
  std::vector<double> bare, large;
  const double shippedLoad = pictureLoad(shipped);
  MoveFileExA(shipped.c_str(), aside.c_str(), MOVEFILE_REPLACE_EXISTING);
  for (int i = 0; i < kRuns; ++i) bare.push_back(timeToWindow(exe, IDC_MAIN_SIDE1));
  const std::vector<std::uint8_t> big = makeJpeg(4000, 3000);
  writeFile(shipped, std::string(big.begin(), big.end()));
  const double largeLoad = pictureLoad(shipped);
  for (int i = 0; i < kRuns; ++i) large.push_back(timeToWindow(exe, IDC_MAIN_SIDE1));
  MoveFileExA(aside.c_str(), shipped.c_str(), MOVEFILE_REPLACE_EXISTING);

  const double base = median(minimal);
  report("minimal window program to its window", minimal, 0);
  report("first start to the language window", language, base);
  report("start to the main window (shipped background)", main, base);
  report("start to the main window (no background picture)", bare, base);
  report("start to the main window (4000 x 3000 background)", large, base);
  std::printf("the shipped background adds %.0f ms, the 4000 x 3000 one %.0f ms (fastest runs; "
              "medians %.0f and %.0f ms)\n",
              fastest(main) - fastest(bare), fastest(large) - fastest(bare),
              median(main) - median(bare), median(large) - median(bare));
  std::printf("loading the picture itself (read, decode, brushes; fastest of 10): shipped %.1f ms, "
              "4000 x 3000 %.1f ms\n", shippedLoad, largeLoad);
  return 0;
}
