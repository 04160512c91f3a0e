// Drives the real Scrubwell.exe from a test: installs the built program into the private prefix,
// starts it, finds its windows and controls, clicks them as a user would, saves screenshots.
#pragma once
#include <windows.h>

#include <set>
#include <string>
#include <vector>

namespace scrubwell::test {

// The build tree this test program belongs to, e.g. Z:\...\build\windows\ (with its backslash).
std::string buildFolder();

// "C:\Program Files\Scrubwell\" with Scrubwell.exe, Checker.exe, UPDATER.EXE, KvFindMinidump.dll,
// the language, help and documentation files, the sounds, the background pictures and the search
// icons copied from the build tree. Returns the folder (empty on failure).
std::string installProgram();

// The per-user data folder the program uses in this prefix.
std::string programDataFolder();
// Makes the next start a later one: the language marker and this settings file (INI text) in
// the data folder. Settings without an [Updatescan] section get "autoscan=0", so the automatic
// update check stays out of tests about other things. Returns false when they could not be written.
bool languageChosenWithSettings(const std::string& ini);

class RunningProgram {
 public:
  // Starts `exe` with `arguments` in its own folder.
  RunningProgram(const std::string& exe, const std::string& arguments = {});
  ~RunningProgram();  // ends the program if it still runs
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  bool started() const { return process_ != nullptr; }
  DWORD processId() const { return pid_; }
  // Waits until a visible top-level window of this process has a child control with id
  // `childId` (0: any), looking every `pollMs`; nullptr after `timeoutMs`.
  HWND waitForWindow(int childId, DWORD timeoutMs = 20000, DWORD pollMs = 100) const;
  // Waits for the process to end; returns its exit code or -1 on time-out.
  int waitForExit(DWORD timeoutMs = 20000);
  // Ends this process at once, as a crash would; false when it had already ended.
  bool kill();
  // Follows a restart: the program started a new copy of itself; attach to the newest process
  // that shows a window with control `childId`.
  bool followRestart(int childId, DWORD timeoutMs = 20000);

 private:
  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
};

// Starts a clean-up from its main window button as a user would: the side button of `page`
// (1 to 3), then the button of `row` on it. Returns the results window once it shows found
// entries, or nullptr.
HWND runCleanupFromMainWindow(RunningProgram& program, int page, int row);
// The junk search's button ("clean the system" page, first row).
HWND runJunkSearchFromMainWindow(RunningProgram& program);

// How a command-line run of the program ended: its exit code (-1 when it did not end within a
// minute) and what it wrote to standard output and error.
struct Finished {
  int exitCode = -1;
  std::string out, err;
};
// Runs the program to its end with standard output and error redirected into files in `dir`
// (a folder path ending with "\").
Finished runToEnd(const std::string& exe, const std::string& arguments, const std::string& dir);
// The lines of a text with CR LF line ends.
std::vector<std::string> linesOf(const std::string& text);
// The names of the backup points in the data folder `data`.
std::set<std::string> backupPoints(const std::string& data);

// Every visible top-level window of a process.
std::vector<HWND> visibleWindowsOf(DWORD pid);
// Any visible top-level window (of any process) holding a child control with this id.
HWND findWindowWithControl(int childId);
std::string controlText(HWND dialog, int id);
// Clicks a button as the user would (BM_CLICK) and lets the program run.
void clickButton(HWND dialog, int id);
// Selects an entry of a list box and tells the window, as a user click would.
void selectListEntry(HWND dialog, int id, int index);
// Lets other processes run for a moment.
void settle(DWORD ms = 300);
// Saves what the screen shows of a window as a BMP under the build tree's screenshots folder;
// returns the Windows path written (empty on failure).
std::string saveScreenshot(HWND window, const std::string& name);

}  // namespace scrubwell::test
