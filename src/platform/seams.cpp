// Production implementations of the three seams and the switch that tests use to replace them.
#include "platform/seams.h"

#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

#include <vector>

#include "platform/handles.h"
#include "platform/message_pump.h"

namespace scrubwell {
namespace {

int CALLBACK browseCallback(HWND wnd, UINT msg, LPARAM, LPARAM data) {
  if (msg == BFFM_INITIALIZED && data)
    SendMessageA(wnd, BFFM_SETSELECTIONA, TRUE, data);
  return 0;
}

class SystemPrompts final : public Prompts {
 public:
  int messageBox(HWND owner, const std::string& text, const std::string& caption,
                 UINT flags) override {
    return MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
  }

  std::string saveFileName(HWND owner, const std::string& filter, const std::string& defaultName,
                           const std::string& defaultExt) override {
    std::string f = filter;
    for (char& c : f)
      if (c == '|') c = '\0';
    f.push_back('\0');
    std::vector<char> name(MAX_PATH, '\0');
    defaultName.copy(name.data(), MAX_PATH - 1);
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = f.c_str();
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetSaveFileNameA(&ofn)) return {};
    return name.data();
  }

  bool browseForFolder(HWND owner, const std::string& prompt, std::string& path) override {
    ComScope com;
    LPITEMIDLIST root = nullptr;
    SHGetSpecialFolderLocation(owner, CSIDL_DRIVES, &root);
    BROWSEINFOA bi{};
    bi.hwndOwner = owner;
    bi.pidlRoot = root;
    bi.lpszTitle = prompt.c_str();
    bi.ulFlags = BIF_RETURNONLYFSDIRS;
    bi.lpfn = browseCallback;
    bi.lParam = reinterpret_cast<LPARAM>(path.c_str());
    LPITEMIDLIST chosen = SHBrowseForFolderA(&bi);
    bool ok = false;
    if (chosen) {
      char buf[MAX_PATH] = {};
      if (SHGetPathFromIDListA(chosen, buf)) {
        path = buf;
        ok = true;
      }
      CoTaskMemFree(chosen);
    }
    if (root) CoTaskMemFree(root);
    return ok;
  }

  int popupMenu(HWND owner, const std::vector<std::pair<int, std::string>>& items,
                POINT at) override {
    HMENU menu = CreatePopupMenu();
    if (!menu) return 0;
    for (const auto& [command, text] : items)
      AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(command), text.c_str());
    const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x,
                                      at.y, 0, owner, nullptr);
    DestroyMenu(menu);
    return chosen;
  }

  int modal(const std::string&, const std::function<int()>& show) override { return show(); }
};

class SystemClock final : public Clock {
 public:
  SYSTEMTIME localTime() override {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return t;
  }
  SYSTEMTIME systemTime() override {
    SYSTEMTIME t;
    GetSystemTime(&t);
    return t;
  }
  DWORD tickCount() override { return GetTickCount(); }
  void sleep(DWORD ms) override { Sleep(ms); }
  bool setSystemTime(const SYSTEMTIME& utc) override { return SetSystemTime(&utc) != FALSE; }
};

class SystemLauncher final : public Launcher {
 public:
  bool open(const std::string& file, const std::string& parameters, const std::string& directory,
            int show) override {
    auto r = reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "Open", file.c_str(),
                                                     parameters.c_str(), directory.c_str(), show));
    return r > 32;
  }
  int runAndWait(const std::string& commandLine, DWORD timeoutMs) override {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::vector<char> cmd(commandLine.begin(), commandLine.end());
    cmd.push_back('\0');
    if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi))
      return -1;
    KernelHandle process(pi.hProcess), thread(pi.hThread);
    // The window stays alive while the program runs: messages are dispatched as they come.
    const DWORD start = GetTickCount();
    for (;;) {
      const DWORD elapsed = GetTickCount() - start;
      if (timeoutMs != INFINITE && elapsed >= timeoutMs) return -1;
      const DWORD left = timeoutMs == INFINITE ? INFINITE : timeoutMs - elapsed;
      HANDLE process = pi.hProcess;
      // Once the program is ending, its quit message stays queued: wait on the process alone.
      const DWORD r = quitRequested()
                          ? WaitForSingleObject(process, left)
                          : MsgWaitForMultipleObjects(1, &process, FALSE, left, QS_ALLINPUT);
      if (r == WAIT_OBJECT_0) break;
      if (r != WAIT_OBJECT_0 + 1) return -1;
      pumpMessages();
    }
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    return static_cast<int>(code);
  }
};

class SystemFileWrites final : public FileWrites {
 public:
  bool write(HANDLE file, const void* data, DWORD count, DWORD& written) override {
    return WriteFile(file, data, count, &written, nullptr) != FALSE;
  }
};

SystemFileWrites systemFileWrites;
FileWrites* currentFileWrites = &systemFileWrites;
SystemPrompts systemPrompts;
SystemClock systemClock;
SystemLauncher systemLauncher;
Prompts* currentPrompts = &systemPrompts;
Clock* currentClock = &systemClock;
Launcher* currentLauncher = &systemLauncher;

}  // namespace

Prompts& prompts() { return *currentPrompts; }

int QuietPrompts::messageBox(HWND, const std::string&, const std::string&, UINT flags) {
  switch (flags & MB_TYPEMASK) {
    case MB_YESNO:
    case MB_YESNOCANCEL:
      return IDNO;
    case MB_OKCANCEL:
    case MB_RETRYCANCEL:
      return IDCANCEL;
    default:
      return IDOK;
  }
}

Clock& theClock() { return *currentClock; }
Launcher& launcher() { return *currentLauncher; }

Prompts* setPrompts(Prompts* p) {
  Prompts* old = currentPrompts;
  currentPrompts = p ? p : &systemPrompts;
  return old;
}
Clock* setClock(Clock* c) {
  Clock* old = currentClock;
  currentClock = c ? c : &systemClock;
  return old;
}
Launcher* setLauncher(Launcher* l) {
  Launcher* old = currentLauncher;
  currentLauncher = l ? l : &systemLauncher;
  return old;
}

FileWrites& fileWrites() { return *currentFileWrites; }
FileWrites* setFileWrites(FileWrites* w) {
  FileWrites* old = currentFileWrites;
  currentFileWrites = w ? w : &systemFileWrites;
  return old;
}

}  // namespace scrubwell
