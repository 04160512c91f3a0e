// The Windows copies of file names, read once per scan.
#include "scan/windows_copies.h"

#include <windows.h>

#include "platform/find.h"
#include "platform/text_upper.h"

namespace scrubwell {
namespace {

constexpr DWORD kFilesOnly = 47;

const std::string kNone;

}  // namespace

WindowsCopies::WindowsCopies(std::string windowsFolder) : windowsFolder_(std::move(windowsFolder)) {
  while (windowsFolder_.size() > 1 && windowsFolder_.back() == '\\') windowsFolder_.pop_back();
  if (windowsFolder_.empty()) return;
  // The Windows folder itself comes first, then system32, then system: a name found earlier
  // keeps its copy.
  addFilesOf(windowsFolder_ + "\\");
  addFilesOf(windowsFolder_ + "\\system32\\");
  addFilesOf(windowsFolder_ + "\\system\\");
}

WindowsCopies WindowsCopies::ofSystem() {
  char buffer[MAX_PATH] = {};
  const UINT n = GetWindowsDirectoryA(buffer, MAX_PATH);
  return WindowsCopies(n > 0 && n < MAX_PATH ? std::string(buffer, n) : std::string());
}

void WindowsCopies::addFilesOf(const std::string& folder) {
  FindFiles files(folder + "*.*", kFilesOnly);
  while (files.next()) {
    if (files.isDots()) continue;
    copies_.try_emplace(toUpper(files.name()), Copy{folder + files.name()});
  }
}

WindowsCopies::Copy* WindowsCopies::find(std::string_view name) {
  auto it = copies_.find(toUpper(name));
  return it == copies_.end() ? nullptr : &it->second;
}

const WindowsCopies::Copy* WindowsCopies::find(std::string_view name) const {
  auto it = copies_.find(toUpper(name));
  return it == copies_.end() ? nullptr : &it->second;
}

const std::string& WindowsCopies::pathOf(std::string_view name) const {
  const Copy* copy = find(name);
  return copy ? copy->path : kNone;
}

const OpenedFileFacts* WindowsCopies::factsOf(std::string_view name) {
  Copy* copy = find(name);
  if (!copy) return nullptr;
  if (!copy->opened) {
    copy->opened = true;
    copy->facts = openedFileFacts(copy->path);
  }
  return copy->facts ? &*copy->facts : nullptr;
}

}  // namespace scrubwell
