// Test stand-ins for the three seams: prompts answered by script, a clock whose pauses are
// instant and which never sets the real clock, and a launcher that records what it was asked to
// start. ScopedSeams installs all three for a test and restores production afterwards.
#pragma once
#include <windows.h>

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/seams.h"

namespace scrubwell::test {

class ScriptedPrompts : public Prompts {
 public:
  struct Asked {
    std::string kind;  // "message", "save", "folder", "menu", "modal"
    std::string text;  // message text, default name, prompt, menu items (one per line), window
    std::string caption;
    UINT flags = 0;
  };

  // Answers are used in order; when none is queued a message box answers IDOK/IDYES by its
  // buttons, the save dialog and folder browser cancel, and a modal window returns IDCANCEL.
  void answerMessage(int button) { messages_.push_back(button); }
  void answerSave(const std::string& path) { saves_.push_back(path); }
  void answerFolder(const std::string& path) { folders_.push_back(path); }
  // A shortcut menu answers the item with this text (0, dismissed, when none is queued or no
  // item has it).
  void answerMenu(const std::string& itemText) { menus_.push_back(itemText); }
  // A modal window: `act` runs in place of the window (it may change the window's controls and
  // press its buttons), then `result` is returned. Without a script the real window would block.
  void answerModal(const std::string& window, std::function<int()> act) {
    modals_[window].push_back(std::move(act));
  }

  const std::vector<Asked>& asked() const { return asked_; }
  int countOf(const std::string& kind) const;

  int messageBox(HWND, const std::string& text, const std::string& caption, UINT flags) override;
  std::string saveFileName(HWND, const std::string&, const std::string& defaultName,
                           const std::string&) override;
  bool browseForFolder(HWND, const std::string& prompt, std::string& path) override;
  int popupMenu(HWND, const std::vector<std::pair<int, std::string>>& items, POINT) override;
  int modal(const std::string& window, const std::function<int()>& show) override;

 private:
  std::deque<int> messages_;
  std::deque<std::string> saves_, folders_, menus_;
  std::map<std::string, std::deque<std::function<int()>>> modals_;
  std::vector<Asked> asked_;
};

// Local time starts at `start` and moves only by sleeps and advance(). setSystemTime records
// (and answers !refuseSetTime, as a system without the right to set the time would).
class FakeClock : public Clock {
 public:
  bool refuseSetTime = false;
  FakeClock();
  void setLocal(const SYSTEMTIME& t);
  void setLocal(WORD year, WORD month, WORD day, WORD hour = 12, WORD minute = 0);
  void advance(DWORD ms);

  DWORD slept() const { return slept_; }
  const std::vector<SYSTEMTIME>& systemTimeRequests() const { return setRequests_; }

  SYSTEMTIME localTime() override;
  SYSTEMTIME systemTime() override;
  DWORD tickCount() override { return tick_; }
  void sleep(DWORD ms) override { advance(ms); }
  bool setSystemTime(const SYSTEMTIME& utc) override;

 private:
  ULONGLONG local100ns_ = 0;  // local time as FILETIME ticks
  LONGLONG utcBias100ns_ = 0; // local minus UTC
  DWORD tick_ = 1000000;
  DWORD slept_ = 0;
  std::vector<SYSTEMTIME> setRequests_;
};

class RecordingLauncher : public Launcher {
 public:
  struct Launch {
    std::string file, parameters, directory;
    bool wait = false;
  };
  // Commands for which `passThrough` returns true are really run (end-to-end tests, regedit).
  std::function<bool(const std::string& commandOrFile)> passThrough;
  int exitCode = 0;  // returned by runAndWait for recorded commands
  Launcher* real = nullptr;  // the production launcher, for passThrough (set by ScopedSeams)

  const std::vector<Launch>& launches() const { return launches_; }

  bool open(const std::string& file, const std::string& parameters, const std::string& directory,
            int show) override;
  int runAndWait(const std::string& commandLine, DWORD timeoutMs) override;

 private:
  std::vector<Launch> launches_;
};

// A drive that is full after `room` more bytes: writes beyond it put what fits and fail with
// ERROR_DISK_FULL. Installed for its scope.
class FullDrive : public FileWrites {
 public:
  explicit FullDrive(int64_t room) : room_(room), old_(setFileWrites(this)) {}
  ~FullDrive() override { setFileWrites(old_); }
  FullDrive(const FullDrive&) = delete;
  FullDrive& operator=(const FullDrive&) = delete;
  bool write(HANDLE file, const void* data, DWORD count, DWORD& written) override {
    DWORD fits = room_ < count ? static_cast<DWORD>(room_) : count;
    written = 0;
    if (fits > 0 && !WriteFile(file, data, fits, &written, nullptr)) return false;
    room_ -= written;
    if (written == count) return true;
    SetLastError(ERROR_DISK_FULL);
    return false;
  }
  int64_t room() const { return room_; }

 private:
  int64_t room_;
  FileWrites* old_;
};

// Installs the three fakes for one scope.
struct ScopedSeams {
  ScriptedPrompts prompts;
  FakeClock clock;
  RecordingLauncher launcher;
  ScopedSeams();
  ~ScopedSeams();
  ScopedSeams(const ScopedSeams&) = delete;
  ScopedSeams& operator=(const ScopedSeams&) = delete;

 private:
  Prompts* oldPrompts_;
  Clock* oldClock_;
  Launcher* oldLauncher_;
};

}  // namespace scrubwell::test
