// The browser window.
#include "ui/browser_window.h"

#include "app/app_windows.h"
#include "base/app_state.h"
#include "base/texts.h"
#include "browser/browser_cleanup.h"
#include "browser/browser_profiles.h"
#include "browser_windows_res.h"
#include "ui/sounds.h"

namespace scrubwell::ui {

BrowserWindow::BrowserWindow()
    : Window("browser", IDD_BROWSER),
      cookies(IDC_BRW_COOKIES),
      history(IDC_BRW_HISTORY),
      noCache(IDC_BRW_NOCACHE),
      goOn(IDC_BRW_GOON),
      heading_(IDC_BRW_HEADING),
      text_(IDC_BRW_TEXT),
      continue_(IDC_BRW_CONTINUE),
      back_(IDC_BRW_BACK) {
  bind({&cookies, &history, &noCache, &goOn, &heading_, &text_, &continue_, &back_});
  noCache.setVisible(false);
  back_.onClick = [this] {
    playClick();
    hide();
    appWindows().results.showWindow();
    appState().registryCleanBusy = 0;
  };
  goOn.onClick = [this] {
    playClick();
    clean();
  };
  continue_.onClick = [this] {
    if (goOn.visible()) goOn.onClick();
  };
}

void BrowserWindow::applyTexts() {
  setCaption(tr(5380));
  heading_.setText(tr(5380));
  text_.setText(tr(5381));
  cookies.setText(tr(5382));
  history.setText(tr(5383));
  continue_.setText(tr(5384));
  noCache.setText(tr(5385));
  goOn.setText(tr(5196));
  back_.setText(tr(44));
}

void BrowserWindow::open() {
  if (!cacheFound_) cacheFound_ = !internetCacheFolder().empty();
  noCache.setVisible(!*cacheFound_);
  goOn.setVisible(*cacheFound_);
  continue_.setVisible(*cacheFound_);
  show();
}

void BrowserWindow::clean() {
  AppWindows& w = appWindows();
  hide();
  w.browserProgress.start();
  const BrowserOptions chosen = options();
  const BrowserCleaning done =
      cleanBrowserTraces(chosen, [&w](const std::string& item, int64_t freedBytes) {
        w.browserProgress.showProgress(item, freedBytes);
      });
  w.browserProgress.stop();
  w.information.setFreedBytes(done.freedBytes);
  const bool complete = done.leftovers == 0;
  // A history the system would not clear is never reported as cleaned.
  const bool historyFailed = chosen.history && !done.historyCleared;
  w.information.showInformation(tr(complete ? 5389 : 5228), tr(historyFailed ? 5391
                                                               : complete    ? 5390
                                                                             : 5229));
}

}  // namespace scrubwell::ui
