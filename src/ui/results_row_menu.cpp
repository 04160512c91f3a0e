// The result rows' shortcut menu (never list a file again, never search a folder, open the
// containing folder, copy the path) and "Save list..." of the results window.
#include <windows.h>

#include "app/app_windows.h"
#include "app/startup.h"
#include "base/file_ops.h"
#include "base/texts.h"
#include "platform/path_text.h"
#include "platform/seams.h"
#include "scan/result_csv.h"
#include "scan/search_exceptions.h"
#include "ui/results_window.h"
#include "ui/sounds.h"

namespace scrubwell::ui {
namespace {

enum RowCommand { kNeverListFile = 1, kNeverSearchFolder, kOpenFolder, kCopyPath };

bool putOnClipboard(HWND owner, const std::string& text) {
  if (!OpenClipboard(owner)) return false;
  EmptyClipboard();
  bool ok = false;
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
    if (void* bytes = GlobalLock(memory)) {
      CopyMemory(bytes, text.c_str(), text.size() + 1);
      GlobalUnlock(memory);
      ok = SetClipboardData(CF_TEXT, memory) != nullptr;
    }
    if (!ok) GlobalFree(memory);
  }
  CloseClipboard();
  return ok;
}

}  // namespace

std::vector<std::string> TForm1::selectedPaths() const {
  std::vector<std::string> paths;
  for (size_t row : rows.selectedRows())
    if (row < results_.size()) paths.push_back(results_.path(row));
  return paths;
}

void TForm1::showRowMenu(POINT at) {
  if (selectedPaths().empty()) return;
  const int chosen = prompts().popupMenu(hwnd(),
                                         {{kNeverListFile, tr(5440)},
                                          {kNeverSearchFolder, tr(5441)},
                                          {kOpenFolder, tr(5442)},
                                          {kCopyPath, tr(5443)}},
                                         at);
  switch (chosen) {
    case kNeverListFile:
      excludeSelected(Exclusion::file);
      break;
    case kNeverSearchFolder:
      excludeSelected(Exclusion::folder);
      break;
    case kOpenFolder:
      openContainingFolder();
      break;
    case kCopyPath:
      copySelectedPaths();
      break;
    default:
      break;
  }
}

void TForm1::excludeSelected(Exclusion kind) {
  const std::vector<std::string> entries = exclusionEntries(selectedPaths(), kind);
  if (entries.empty()) return;
  playClick();
  // The entries join the user's exceptions for good, as if typed in the options window.
  ListBox& list = appWindows().options.exceptions;
  std::vector<std::string> exceptions = list.items();
  if (!addSearchExceptions(exceptions, entries).empty()) {
    list.setItems(std::move(exceptions));
    saveSettingsNow();
  }
  const SearchExceptions rule(entries);
  results_.removeWhere(
      [&rule](const std::string& path) { return rule.excludes(folderOf(path), fileNameOf(path)); });
  for (size_t row : rows.selectedRows()) rows.selectRow(row, false);
  rows.refresh();
  updateStatusLine(results_.totalSize(), false);
  refreshClassPictures();
}

// Explorer opens the folder of the first selected file with that file selected.
void TForm1::openContainingFolder() {
  const std::vector<std::string> paths = selectedPaths();
  if (paths.empty()) return;
  launcher().open("explorer.exe", "/select,\"" + paths.front() + "\"", "", SW_SHOWNORMAL);
}

void TForm1::copySelectedPaths() {
  std::string text;
  for (const std::string& path : selectedPaths()) text += (text.empty() ? "" : "\r\n") + path;
  if (!text.empty()) putOnClipboard(hwnd(), text);
}

void TForm1::saveList() {
  playClick();
  const std::string path =
      prompts().saveFileName(hwnd(), tr(5445) + "|*.csv|", "Scrubwell.csv", "csv");
  if (path.empty()) return;
  if (!writeWholeFile(path, resultListCsv(results_)))
    prompts().messageBox(hwnd(), tr(5446) + "\n" + path, tr(1), MB_OK | MB_ICONERROR);
}

}  // namespace scrubwell::ui
