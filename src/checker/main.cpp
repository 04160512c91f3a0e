// Entry point of Checker.exe, started at log-on as "Checker.exe /check": deletes the backup
// points older than two weeks from the program's backup folder. It shows no window, creates no
// folder, and with any other command line does nothing at all.
#include <windows.h>

#include "backup/retention.h"
#include "checker/check_command.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (!scrubwell::isCheckRequest(scrubwell::parametersOf(GetCommandLineA()))) return 1;
  // No "insert a disk" box when the data folder lies on a drive without a medium.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  scrubwell::deleteOldBackupPoints();
  return 0;
}
