// The Windows-tools window.
#include "multiclean/windows_tools_window.h"

#include "app/app_windows.h"
#include "base/recycle.h"
#include "base/texts.h"
#include "multiclean/windows_tools.h"
#include "ui/sounds.h"
#include "windows_tools_window_res.h"

namespace scrubwell::ui {

WindowsToolsWindow::WindowsToolsWindow()
    : Window("windowstools", IDD_WINDOWSTOOLS),
      emptyRecycleBin(IDC_WTL_RECYCLEBIN),
      installedSoftware(IDC_WTL_SOFTWARE),
      systemInformation(IDC_WTL_SYSINFO),
      back(IDC_WTL_BACK),
      heading_(IDC_WTL_HEADING) {
  bind({&emptyRecycleBin, &installedSoftware, &systemInformation, &back, &heading_});
  emptyRecycleBin.onClick = [this] {
    playClick();
    const RecycleBinEmptying done = scrubwell::emptyRecycleBin(hwnd());
    const bool empty =
        done == RecycleBinEmptying::emptied || done == RecycleBinEmptying::alreadyEmpty;
    appWindows().message.showMessage(empty ? tr(246) : tr(5250));
  };
  installedSoftware.onClick = [] {
    playClick();
    showInstalledSoftware();
  };
  systemInformation.onClick = [] {
    playClick();
    showSystemInformation();
  };
  back.onClick = [this] {
    playClick();
    hide();
    appWindows().results.showWindow();
  };
}

void WindowsToolsWindow::applyTexts() {
  setCaption(tr(5121));
  heading_.setText(tr(5121));
  emptyRecycleBin.setText(tr(5251));
  installedSoftware.setText(tr(5252));
  systemInformation.setText(tr(5253));
  back.setText(tr(44));
}

}  // namespace scrubwell::ui
