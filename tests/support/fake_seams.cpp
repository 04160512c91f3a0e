// Test stand-ins for the prompts, clock and launcher seams.
#include "support/fake_seams.h"

#include "support/scratch.h"

namespace scrubwell::test {

int ScriptedPrompts::countOf(const std::string& kind) const {
  int n = 0;
  for (const auto& a : asked_) n += a.kind == kind;
  return n;
}

int ScriptedPrompts::messageBox(HWND, const std::string& text, const std::string& caption,
                                UINT flags) {
  asked_.push_back({"message", text, caption, flags});
  if (!messages_.empty()) {
    int b = messages_.front();
    messages_.pop_front();
    return b;
  }
  UINT buttons = flags & MB_TYPEMASK;
  return buttons == MB_YESNO || buttons == MB_YESNOCANCEL ? IDYES : IDOK;
}

std::string ScriptedPrompts::saveFileName(HWND, const std::string&,
                                          const std::string& defaultName, const std::string&) {
  asked_.push_back({"save", defaultName, {}, 0});
  if (saves_.empty()) return {};
  std::string p = saves_.front();
  saves_.pop_front();
  return p;
}

bool ScriptedPrompts::browseForFolder(HWND, const std::string& prompt, std::string& path) {
  asked_.push_back({"folder", prompt, {}, 0});
  if (folders_.empty()) return false;
  path = folders_.front();
  folders_.pop_front();
  return true;
}

int ScriptedPrompts::popupMenu(HWND, const std::vector<std::pair<int, std::string>>& items,
                               POINT) {
  std::string listed;
  for (const auto& item : items) listed += item.second + "\n";
  asked_.push_back({"menu", listed, {}, 0});
  if (menus_.empty()) return 0;
  const std::string wanted = menus_.front();
  menus_.pop_front();
  for (const auto& [command, text] : items)
    if (text == wanted) return command;
  return 0;
}

int ScriptedPrompts::modal(const std::string& window, const std::function<int()>&) {
  asked_.push_back({"modal", window, {}, 0});
  auto it = modals_.find(window);
  if (it == modals_.end() || it->second.empty()) return IDCANCEL;
  auto act = std::move(it->second.front());
  it->second.pop_front();
  return act ? act() : IDCANCEL;
}

FakeClock::FakeClock() { setLocal(2026, 3, 1, 12, 0); }

void FakeClock::setLocal(const SYSTEMTIME& t) {
  FILETIME ft;
  SystemTimeToFileTime(&t, &ft);
  local100ns_ = (static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
  // Keep the machine's offset between local time and UTC.
  FILETIME lf, uf;
  GetSystemTimeAsFileTime(&uf);
  FileTimeToLocalFileTime(&uf, &lf);
  auto v = [](FILETIME f) {
    return static_cast<LONGLONG>((static_cast<ULONGLONG>(f.dwHighDateTime) << 32) | f.dwLowDateTime);
  };
  utcBias100ns_ = v(lf) - v(uf);
}

void FakeClock::setLocal(WORD year, WORD month, WORD day, WORD hour, WORD minute) {
  setLocal(test::localTime(year, month, day, hour, minute));
}

void FakeClock::advance(DWORD ms) {
  local100ns_ += static_cast<ULONGLONG>(ms) * 10000;
  tick_ += ms;
  slept_ += ms;
}

static SYSTEMTIME fromTicks(ULONGLONG v) {
  FILETIME ft{static_cast<DWORD>(v), static_cast<DWORD>(v >> 32)};
  SYSTEMTIME t{};
  FileTimeToSystemTime(&ft, &t);
  return t;
}

SYSTEMTIME FakeClock::localTime() { return fromTicks(local100ns_); }
SYSTEMTIME FakeClock::systemTime() { return fromTicks(local100ns_ - utcBias100ns_); }

bool FakeClock::setSystemTime(const SYSTEMTIME& utc) {
  setRequests_.push_back(utc);
  return true;
}

bool RecordingLauncher::open(const std::string& file, const std::string& parameters,
                             const std::string& directory, int show) {
  launches_.push_back({file, parameters, directory, false});
  if (passThrough && real && passThrough(file)) return real->open(file, parameters, directory, show);
  return true;
}

int RecordingLauncher::runAndWait(const std::string& commandLine, DWORD timeoutMs) {
  launches_.push_back({commandLine, {}, {}, true});
  if (passThrough && real && passThrough(commandLine)) return real->runAndWait(commandLine, timeoutMs);
  return exitCode;
}

ScopedSeams::ScopedSeams()
    : oldPrompts_(setPrompts(&prompts)), oldClock_(setClock(&clock)),
      oldLauncher_(setLauncher(&launcher)) {
  launcher.real = oldLauncher_;
}

ScopedSeams::~ScopedSeams() {
  setPrompts(oldPrompts_);
  setClock(oldClock_);
  setLauncher(oldLauncher_);
}

}  // namespace scrubwell::test
