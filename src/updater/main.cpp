// UPDATER.EXE: started by Scrubwell.exe with the quoted path of its update script as the only
// parameter, once the program is about to end. It shows no window. A command line that is not
// exactly one script path changes nothing (exit code 2).
#include <windows.h>

#include "base/file_ops.h"
#include "base/update_script.h"
#include "updater/updater_apply.h"

namespace {

// The command line without the program name, which may be quoted.
const char* argumentsOf(const char* commandLine) {
  const char* p = commandLine;
  if (*p == '"') {
    ++p;
    while (*p && *p != '"') ++p;
    if (*p) ++p;
  } else {
    while (*p && *p != ' ' && *p != '\t') ++p;
  }
  return p;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  auto script = scrubwell::updateScriptArgument(argumentsOf(GetCommandLineA()));
  if (!script || !scrubwell::fileExists(*script)) return 2;
  return scrubwell::runUpdater(*script);
}
