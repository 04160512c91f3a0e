// The results window's result list: display list rebuild, result mode and search mode, marking,
// row clicks and hover, "arrange entries", "cancel process" and the class pictures.
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include "app/app_windows.h"
#include "base/app_state.h"
#include "base/file_ops.h"
#include "base/texts.h"
#include "platform/seams.h"
#include "resource_ids.h"
#include "results_window_res.h"
#include "scan/size_text.h"
#include "scan/system_result_list.h"
#include "scan/temp_folder_scan.h"
#include "ui/results_window.h"
#include "ui/sounds.h"

namespace scrubwell::ui {
namespace {

constexpr int kResultModeHeightChange = 171;

int classIcon(EntryClass c) {
  switch (c) {
    case EntryClass::typicalJunk: return IDI_CLASS_JUNK;
    case EntryClass::risky: return IDI_CLASS_RISKY;
    default: return IDI_CLASS_OTHER;
  }
}

}  // namespace

void TForm1::rebuildDisplayList() {
  results_.rebuildRows(systemFileSize);
  rows.refresh();
  refreshClassPictures();
}

void TForm1::updateStatusLine(int64_t total, bool afterMarkEverything) {
  statusLine.setText(statusLineText(results_.size(), tr(155), total, afterMarkEverything));
}

void TForm1::setSearchControlsVisible(bool visible) {
  searchJunk.setVisible(visible);
  closeButton.setVisible(visible);
  driveFrame_.setVisible(visible);
  for (int i = 0; i < kDriveSlots; ++i) {
    driveLabels[i].setVisible(visible);
    driveChecks[i].setVisible(visible && !driveLabels[i].text().empty());
  }
  driveList.setVisible(visible && driveList.count() > 0);
  for (Button* b : {&remove, &markAll, &arrange, &unmarkAll, &cancel, &saveListButton})
    b->setVisible(!visible);
}

void TForm1::showResults() {
  resultMode_ = true;
  hideWindow();
  playFinish();
  setSearchControlsVisible(false);
  setSize(width(), height() - kResultModeHeightChange);
  layout();
  if (hwnd()) SetWindowLongA(hwnd(), GWL_STYLE, GetWindowLongA(hwnd(), GWL_STYLE) & ~WS_SYSMENU);
  updateStatusLine(results_.totalSize(), false);
  if (hwnd()) InvalidateRect(foundCaption_.hwnd(), nullptr, TRUE);
  if (results_.size() > ResultList::kManyEntries)
    prompts().messageBox(hwnd(), tr(303), tr(1), MB_OK | MB_ICONINFORMATION);
  showWindow();
  statusBar.setSimpleText("");
  if (results_.empty()) {
    appWindows().message.showMessage(tr(241));
    cancelProcess();
  }
}

void TForm1::leaveResultMode() {
  bool wasVisible = visible();
  resultMode_ = false;
  statusLine.setText("");
  if (hwnd()) InvalidateRect(foundCaption_.hwnd(), nullptr, TRUE);
  hide();
  setSearchControlsVisible(true);
  setSize(width(), height() + kResultModeHeightChange);
  layout();
  if (hwnd())
    SetWindowLongA(hwnd(), GWL_STYLE,
                   GetWindowLongA(hwnd(), GWL_STYLE) | WS_SYSMENU | WS_MINIMIZEBOX);
  if (wasVisible) showWindow();
  statusBar.setPanels(statusBar.panels());
}

void TForm1::markEverything(bool marked) {
  results_.markEverything(marked);
  rows.refresh();
  updateStatusLine(results_.markedSize(), marked);
}

void TForm1::rowClicked(size_t row) {
  if (row >= results_.rowCount()) return;
  results_.toggleRow(row);
  rows.refreshRow(row);
  statusBar.setSimpleText(tr(31) + ": " + results_.path(row));
  results_.copyRowMarksToRaw();
  updateStatusLine(results_.markedSize(), false);
}

void TForm1::rowHovered(int row) {
  if (row == lastHovered_) return;
  lastHovered_ = row;
  if (row < 0 || appState().startupBusy || static_cast<size_t>(row) >= results_.rowCount()) return;
  const std::string& path = results_.path(static_cast<size_t>(row));
  statusBar.setSimpleText(tr(31) + ": " + path);
  showHint(path);
}

void TForm1::showHint(const std::string& text) {
  if (!hwnd()) return;
  hint_.show(hwnd(), text);
  // The balloon goes away after 3000 ms.
  SetTimer(hwnd(), 1, 3000, nullptr);
}

void TForm1::hideHint() {
  if (hwnd()) KillTimer(hwnd(), 1);
  hint_.hide();
}

void TForm1::arrangeEntries() {
  results_.arrange();
  rows.refresh();
  refreshClassPictures();
}

void TForm1::cancelProcess() {
  results_.clear();
  pendingTemporarySweep().clear();  // the files stay, so their folders are not swept either
  rebuildDisplayList();
  leaveResultMode();
  refreshClassPictures();
  reportOpen_ = false;
}

void TForm1::refreshClassPictures() {
  size_t top = static_cast<size_t>(rows.topIndex());
  POINT firstRow = rows.firstRowOrigin();
  if (rows.hwnd()) MapWindowPoints(rows.hwnd(), hwnd(), &firstRow, 1);
  int rowHeight = rows.rowHeight();
  for (int pos = 0; pos < 20; ++pos) {
    size_t i = top + static_cast<size_t>(pos);
    int want = i < results_.rowCount() && (!rows.hwnd() || pos < rows.visibleRows())
                   ? static_cast<int>(results_.entryClass(i))
                   : 0;
    if (want == classPictureState_[pos]) continue;
    classPictureState_[pos] = want;
    Picture& pic = classPictures_[pos];
    if (want) pic.setImage(classIcon(static_cast<EntryClass>(want)));
    pic.setVisible(want != 0);
    if (pic.hwnd())
      SetWindowPos(pic.hwnd(), nullptr, firstRow.x - 20, firstRow.y + pos * rowHeight, 16, 16,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void TForm1::showWindow() {
  if (resultMode_)
    show();
  else
    appWindows().main.show();
}

void TForm1::hideWindow() {
  if (resultMode_)
    hide();
  else
    appWindows().main.hide();
}

bool TForm1::windowVisible() const {
  return resultMode_ ? visible() : appWindows().main.visible();
}

INT_PTR TForm1::onMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
  switch (msg) {
    case WM_CTLCOLORSTATIC:
      // "Found files:" is dark red while results are shown.
      if (resultMode_ && reinterpret_cast<HWND>(lp) == foundCaption_.hwnd()) {
        HDC dc = reinterpret_cast<HDC>(wp);
        SetTextColor(dc, RGB(128, 0, 0));
        SetBkMode(dc, TRANSPARENT);
        handled = true;
        return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
      }
      break;
    case WM_TIMER:
      if (wp == 1) {
        hideHint();
        handled = true;
      }
      break;
    case WM_SIZE:
      layout();
      break;
    case WM_CONTEXTMENU:
      // The rows' shortcut menu, from a right click or from the keyboard (lp is -1 then).
      if (resultMode_ && reinterpret_cast<HWND>(wp) == rows.hwnd()) {
        const POINT at = lp == -1 ? rows.selectionMenuPoint()
                                  : POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        showRowMenu(at);
        handled = true;
      }
      break;
  }
  return 0;
}

}  // namespace scrubwell::ui
