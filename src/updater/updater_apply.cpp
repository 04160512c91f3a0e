// Applying an update script in UPDATER.EXE.
#include "updater/updater_apply.h"

#include "base/file_ops.h"
#include "platform/handles.h"
#include "platform/path_text.h"

namespace scrubwell {
namespace {

void log(const std::string& line) { OutputDebugStringA(("UPDATER: " + line + "\n").c_str()); }

// True when nobody holds `path` open: it can be opened for writing and deleting with no sharing.
// A missing file is free.
bool isFree(const std::string& path) {
  FileHandle h(CreateFileA(path.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr));
  return h || GetLastError() == ERROR_FILE_NOT_FOUND;
}

// Copies the source beside the destination, then replaces the destination with it.
bool replaceOnce(const UpdateCopy& pair) {
  const std::string beside = pair.destination + ".new";
  if (!isFree(pair.destination)) return false;
  if (!CopyFileA(pair.source.c_str(), beside.c_str(), FALSE)) return false;
  if (MoveFileExA(beside.c_str(), pair.destination.c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  DeleteFileA(beside.c_str());
  return false;
}

void startProgram(const std::string& program) {
  if (!fileExists(program)) {
    log("the program to start again is missing: " + program);
    return;
  }
  std::string commandLine = "\"" + program + "\"";
  const std::string folder = folderOf(program);
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     folder.c_str(), &si, &pi)) {
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  } else {
    log("could not start " + program);
  }
}

}  // namespace

bool applyPlan(const UpdateScriptPlan& plan, const ApplyOptions& options) {
  bool allWell = plan.refused.empty();
  for (const auto& pair : plan.refused) log("refused " + pair.source + " -> " + pair.destination);
  const DWORD start = GetTickCount();
  std::vector<bool> applied(plan.accepted.size(), false);
  for (size_t i = 0; i < plan.accepted.size(); ++i) {
    const UpdateCopy& pair = plan.accepted[i];
    if (!fileExists(pair.source)) {
      log("missing source " + pair.source);
      allWell = false;
      continue;
    }
    // The program that wrote the script may still be ending and hold its files: wait for each
    // destination within one overall bound.
    while (!(applied[i] = replaceOnce(pair)) && GetTickCount() - start < options.waitMs)
      Sleep(options.retryMs);
    if (!applied[i]) {
      log("could not replace " + pair.destination);
      allWell = false;
    }
  }
  if (allWell)
    for (const auto& pair : plan.accepted) DeleteFileA(pair.source.c_str());
  return allWell;
}

int runUpdater(const std::string& scriptPath, const ApplyOptions& options) {
  const std::string dataFolder = folderOf(scriptPath);
  const UpdateScriptPlan plan = planUpdateScript(readLines(scriptPath, 1024 * 1024), dataFolder);
  const bool allWell = applyPlan(plan, options);
  if (allWell) DeleteFileA(scriptPath.c_str());
  if (!plan.program.empty()) startProgram(plan.program);
  return allWell ? 0 : 1;
}

}  // namespace scrubwell
