// The information window.
#include "ui/information_window.h"

#include <string>

#include "app/app_windows.h"
#include "base/texts.h"
#include "report_windows_res.h"
#include "scan/size_text.h"
#include "ui/sounds.h"

namespace scrubwell::ui {

InformationWindow::InformationWindow()
    : Window("information", IDD_INFORMATION),
      freedSpace(IDC_INF_FREED),
      line1_(IDC_INF_LINE1),
      line2_(IDC_INF_LINE2),
      back_(IDC_INF_BACK) {
  freedSpace.setVisible(false);
  bind({&freedSpace, &line1_, &line2_, &back_});
  back_.onClick = [this] {
    playClick();
    back();
  };
}

void InformationWindow::applyTexts() {
  setCaption(tr(5225));
  setComplete(complete_);
  freedSpace.setText(tr(173));
  back_.setText(tr(44));
}

void InformationWindow::showFreedSpace(const std::string& text) {
  freedSpace.setText(text);
  freedSpace.setVisible(true);
}

void InformationWindow::showInformation() {
  show();
  playFinish();
}

void InformationWindow::showInformation(const std::string& line1, const std::string& line2) {
  line1_.setText(line1);
  line2_.setText(line2);
  // An empty text would leave the template's caption on a window not yet made: hide the line.
  line2_.setVisible(!line2.empty());
  showInformation();
}

void InformationWindow::setComplete(bool complete) {
  complete_ = complete;
  line1_.setText(tr(complete ? 5226 : 5228));
  line2_.setText(tr(complete ? 5227 : 5229));
}

void InformationWindow::setFreedBytes(int64_t freedBytes) {
  if (freedBytes > 0) showFreedSpace(tr(173) + " " + kilobyteText(freedBytes));
}

void InformationWindow::showEmptied(int64_t freedBytes, bool complete) {
  setFreedBytes(freedBytes);
  setComplete(complete);
  showInformation();
}

void InformationWindow::back() {
  setComplete(true);
  line2_.setVisible(true);
  freedSpace.setText(tr(173));
  freedSpace.setVisible(false);
  hide();
  TForm1& results = appWindows().results;
  if (!results.windowVisible()) results.showWindow();
  results.setReportOpen(false);
}

}  // namespace scrubwell::ui
