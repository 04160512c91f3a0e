// The seams tests may replace: prompts (message boxes, dialogs, modal windows), the clock (time,
// pauses, setting the system time), the launcher (starting other programs) and the file writes of
// backups and restores (to make a drive fill up). Production code reaches them only through
// prompts(), theClock(), launcher() and fileWrites().
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace scrubwell {

class Prompts {
 public:
  virtual ~Prompts() = default;
  // A message box; returns the button pressed (IDOK, IDYES, IDNO, ...).
  virtual int messageBox(HWND owner, const std::string& text, const std::string& caption,
                         UINT flags) = 0;
  // The save dialog. `filter` is in the OPENFILENAME format with '|' between parts.
  // Returns the chosen path, or empty when the user cancelled.
  virtual std::string saveFileName(HWND owner, const std::string& filter,
                                   const std::string& defaultName,
                                   const std::string& defaultExt) = 0;
  // The shell's folder browser; `path` is preselected and receives the choice.
  virtual bool browseForFolder(HWND owner, const std::string& prompt, std::string& path) = 0;
  // A shortcut menu at `at` (screen coordinates) with the given (command, text) items; returns
  // the chosen command, or 0 when the menu was dismissed.
  virtual int popupMenu(HWND owner, const std::vector<std::pair<int, std::string>>& items,
                        POINT at) = 0;
  // A modal window named `window`; production runs `show` (which returns the window's result).
  virtual int modal(const std::string& window, const std::function<int()>& show) = 0;
};

// Prompts for when nobody is there to answer: a message box gets the cautious answer (No to a
// question, Cancel where it is offered, else OK) and no dialog, menu or modal window opens.
// Unattended runs derive from it to say where their messages go.
class QuietPrompts : public Prompts {
 public:
  int messageBox(HWND owner, const std::string& text, const std::string& caption,
                 UINT flags) override;
  std::string saveFileName(HWND, const std::string&, const std::string&,
                           const std::string&) override {
    return {};
  }
  bool browseForFolder(HWND, const std::string&, std::string&) override { return false; }
  int popupMenu(HWND, const std::vector<std::pair<int, std::string>>&, POINT) override { return 0; }
  int modal(const std::string&, const std::function<int()>&) override { return IDCANCEL; }
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual SYSTEMTIME localTime() = 0;
  virtual SYSTEMTIME systemTime() = 0;  // UTC
  virtual DWORD tickCount() = 0;
  virtual void sleep(DWORD ms) = 0;
  // Sets the system clock (UTC). Test clocks only record the request.
  virtual bool setSystemTime(const SYSTEMTIME& utc) = 0;
};

class Launcher {
 public:
  virtual ~Launcher() = default;
  // ShellExecuteA with the verb "Open"; true when the shell accepted it.
  virtual bool open(const std::string& file, const std::string& parameters,
                    const std::string& directory, int show) = 0;
  // Starts a command line and waits for it up to `timeoutMs`, dispatching this thread's messages
  // meanwhile; returns the exit code, or -1 when it could not start or did not end in time.
  virtual int runAndWait(const std::string& commandLine, DWORD timeoutMs) = 0;
};

// The one place the backup archive and restored files are written (see backup/file_stream.h), so
// a test can make a drive fill up without a real small drive.
class FileWrites {
 public:
  virtual ~FileWrites() = default;
  // WriteFile; false (with the system's error set) when not all could be written.
  virtual bool write(HANDLE file, const void* data, DWORD count, DWORD& written) = 0;
};

Prompts& prompts();
Clock& theClock();
Launcher& launcher();

// Replace a seam (tests); returns the previous one. Passing nullptr restores production.
Prompts* setPrompts(Prompts* p);
Clock* setClock(Clock* c);
Launcher* setLauncher(Launcher* l);
FileWrites& fileWrites();
FileWrites* setFileWrites(FileWrites* w);

}  // namespace scrubwell
