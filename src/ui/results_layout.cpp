// Where the results window's controls stand: in search mode the search toolbar and the drive
// slots, in result mode the result list with its status line and buttons filling the window.
// Laid out from the client area, so the window may be resized freely.
#include <windows.h>

#include "results_window_res.h"
#include "ui/results_window.h"

namespace scrubwell::ui {
namespace {

void place(const Control& c, int x, int y, int w, int h) {
  if (c.hwnd()) MoveWindow(c.hwnd(), x, y, w, h, TRUE);
}

}  // namespace

void TForm1::layout() {
  if (!hwnd()) return;
  RECT client;
  GetClientRect(hwnd(), &client);
  const int width = client.right, margin = 8, buttonHeight = 26;
  int statusHeight = 0;
  if (statusBar.hwnd()) {
    SendMessageA(statusBar.hwnd(), WM_SIZE, 0, 0);
    RECT s;
    GetWindowRect(statusBar.hwnd(), &s);
    statusHeight = s.bottom - s.top;
  }
  const int bottom = client.bottom - statusHeight;

  int top = margin;
  int listLeft = margin + 22;  // room for the class pictures
  if (!resultMode_) {
    place(searchJunk, margin, top, 140, buttonHeight);
    place(closeButton, margin + 146, top, 100, buttonHeight);
    top += buttonHeight + margin;
    int frameHeight = driveFrameHeight_ + 8;
    place(driveFrame_, margin, top, 130, frameHeight);
    for (int i = 0; i < kDriveSlots; ++i) {
      place(driveChecks[i], margin + 8, top + 18 + 16 * i, 16, 16);
      place(driveLabels[i], margin + 28, top + 19 + 16 * i, 60, 16);
    }
    place(driveList, margin + 8, top + 18 + 16 * kDriveSlots, 114, frameHeight - 26 - 16 * kDriveSlots);
    listLeft = margin + 130 + margin + 22;
    top = margin + buttonHeight + margin;
  }
  place(foundCaption_, listLeft, top, 110, 16);
  place(statusLine, listLeft + 112, top, width - listLeft - 112 - margin, 16);
  int listTop = top + 20;
  int buttonsTop = bottom - margin - buttonHeight;
  int listBottom = resultMode_ ? buttonsTop - margin : bottom - margin;
  place(rows, listLeft, listTop, width - listLeft - margin, listBottom - listTop);
  Button* buttons[] = {&remove, &markAll, &arrange, &unmarkAll, &saveListButton, &cancel};
  constexpr int kButtons = 6;
  int buttonWidth = (width - 2 * margin - (kButtons - 1) * 6) / kButtons;
  for (int i = 0; i < kButtons; ++i)
    place(*buttons[i], margin + i * (buttonWidth + 6), buttonsTop, buttonWidth, buttonHeight);
  for (auto& b : buttons) InvalidateRect(b->hwnd(), nullptr, TRUE);
  // The class pictures follow the rows.
  classPictureState_.fill(-1);
  refreshClassPictures();
}

}  // namespace scrubwell::ui
