// The search progress window.
#include "ui/search_progress_window.h"

#include <commctrl.h>

#include "base/texts.h"
#include "progress_windows_res.h"
#include "scan/cancel_flag.h"
#include "ui/sounds.h"

namespace scrubwell::ui {

SearchProgressWindow::SearchProgressWindow()
    : Window("searchprogress", IDD_SEARCHPROGRESS),
      folder(IDC_SPR_FOLDER),
      cancel(IDC_SPR_CANCEL),
      caption_(IDC_SPR_CAPTION),
      animation_(IDC_SPR_ANIMATION),
      icon1_(IDC_SPR_ICON1, 0),
      icon2_(IDC_SPR_ICON2, 1) {
  bind({&folder, &cancel, &caption_, &animation_, &icon1_, &icon2_});
  cancel.onClick = [] {
    playClick();
    cancelFlag().set();
  };
}

void SearchProgressWindow::applyTexts() {
  setCaption(tr(1));
  caption_.setText(tr(5141));
  cancel.setText(tr(5142));
}

void SearchProgressWindow::start() {
  folder.setText("");
  show();
  if (animation_.hwnd()) SendMessageA(animation_.hwnd(), PBM_SETMARQUEE, TRUE, 40);
}

void SearchProgressWindow::stop() {
  if (animation_.hwnd()) SendMessageA(animation_.hwnd(), PBM_SETMARQUEE, FALSE, 0);
  hide();
}

void SearchProgressWindow::showFolder(const std::string& path) {
  // A path that fits the label stands centred; a longer one starts at the left edge, so its
  // drive and first folders stay in view.
  constexpr size_t kCentredUpTo = 76;
  folder.setCentred(path.size() <= kCentredUpTo);
  folder.setText(path);
  if (hwnd()) UpdateWindow(hwnd());
}

}  // namespace scrubwell::ui
