// The update window.
#include "update/update_window.h"

#include "app/app_windows.h"
#include "app/startup.h"
#include "base/app_state.h"
#include "base/data_folder.h"
#include "base/file_ops.h"
#include "base/settings_file.h"
#include "base/texts.h"
#include "core_version.h"
#include "platform/message_pump.h"
#include "platform/seams.h"
#include "platform/text_upper.h"
#include "ui/sounds.h"
#include "update/download_rules.h"
#include "update/update_categories.h"
#include "update/update_handover.h"
#include "update/update_pictures.h"
#include "update_window_res.h"

namespace scrubwell::ui {
namespace {

void log(const std::string& line) {
  OutputDebugStringA(("Scrubwell: update: " + line + "\n").c_str());
}

// The downloaded description's search exceptions that the program does not have yet make the
// description itself an update ("update.ini").
std::vector<std::string> newExceptions(const UpdateDescription& d) {
  const auto& current = appWindows().options.exceptions.items();
  for (const auto& mask : d.exceptionMasks) {
    bool known = false;
    for (const auto& c : current) known = known || equalsIgnoringCase(c, mask);
    if (!known) return {"update.ini"};
  }
  return {};
}

}  // namespace

UpdateWindow::UpdateWindow()
    : Window("update", IDD_UPDATE),
      intro(IDC_UPD_INTRO),
      checkingText(IDC_UPD_CHECKING),
      status(IDC_UPD_STATUS),
      result(IDC_UPD_RESULT),
      details(IDC_UPD_DETAILS),
      introGoOn(IDC_UPD_INTRO_GOON),
      back(IDC_UPD_BACK),
      resultGoOn(IDC_UPD_RESULT_GOON),
      reinstallGoOn(IDC_UPD_REINSTALL_GOON),
      detailsGoOn(IDC_UPD_DETAILS_GOON),
      categories(IDC_UPD_CATEGORIES),
      animation(IDC_UPD_ANIMATION) {
  bind({&intro, &checkingText, &status, &result, &details, &introGoOn, &back, &resultGoOn,
        &reinstallGoOn, &detailsGoOn, &categories, &animation});
  introGoOn.onClick = [this] {
    playClick();
    showPanel(Panel::progress);
    startAnimation();
    checking_ = true;  // a close from here on cancels
    waitPumping(500);
    setStatus(tr(312));
    runCheck();
  };
  back.onClick = [this] {
    playClick();
    endModal(IDCANCEL);
  };
  resultGoOn.onClick = [this] {
    playClick();
    endModal(IDOK);
  };
  reinstallGoOn.onClick = [this] { reinstall(); };
  detailsGoOn.onClick = [this] { handOver(); };
  animation.onPaint = [](HDC dc, const RECT& area, int picture) {
    drawUpdatePicture(dc, area, picture);
  };
  animationTimer.onTimer = [this] { animationStep(); };
  showPanel(Panel::intro);
}

UpdateWindow::~UpdateWindow() = default;

void UpdateWindow::applyTexts() {
  setCaption(tr(5340));
  intro.setText(tr(5341));
  checkingText.setText(tr(5342));
  status.setText(tr(312));
  for (Button* b : {&introGoOn, &resultGoOn, &reinstallGoOn, &detailsGoOn}) b->setText(tr(107));
  back.setText(tr(44));
}

void UpdateWindow::open() {
  engine_.reset();
  cancelRequested_ = false;
  showPanel(Panel::intro);
  showModal();
  animationTimer.setEnabled(false);  // the window is gone, whichever way it closed
}

void UpdateWindow::showPanel(Panel panel) {
  auto showIf = [](bool shown, std::initializer_list<Control*> controls) {
    for (Control* c : controls) c->setVisible(shown);
  };
  showIf(panel == Panel::intro, {&intro, &introGoOn, &back});
  showIf(panel == Panel::progress, {&checkingText, &status, &animation});
  showIf(panel == Panel::result, {&result, &resultGoOn});
  showIf(panel == Panel::details, {&details, &categories, &detailsGoOn});
  reinstallGoOn.setVisible(false);
  if (panel != Panel::progress) animationTimer.setEnabled(false);
}

void UpdateWindow::startAnimation() {
  rhythm_.restart();
  animation.setFrame(rhythm_.picture());
  animationTimer.setEnabled(true);
}

// One tick of the animation: the next picture, or the end of the animation once its panel is
// no longer shown.
void UpdateWindow::animationStep() {
  if (!animation.visible()) {
    animationTimer.setEnabled(false);
    return;
  }
  rhythm_.step();
  animation.setFrame(rhythm_.picture());
}

void UpdateWindow::setStatus(const std::string& text) {
  status.setText(text);
  for (int i = 0; i < 3; ++i) pumpMessages();
}

void UpdateWindow::runCheck() {
  UpdateSetup setup;
  setup.german = equalsIgnoringCase(translation().firstText(), "Deutsch");
  setup.dataFolder = dataFolder(kProductName);
  const std::string temp = temporaryFolder();
  setup.tempFolder = temp.empty() ? std::string() : temp + "\\";
  setup.programFile = programFile();
  setup.currentVersion = kVersionText;
  setup.cancelled = [this] { return cancelRequested_ || quitRequested(); };
  setup.download = [this, cancelled = setup.cancelled](const std::string& address,
                                                       const std::string& file) {
    return downloadWhole(address, file,
                         {[this](const std::string& t) { setStatus(t); }, cancelled});
  };
  setup.newExceptions = newExceptions;
  setup.log = log;
  auto engine = std::make_unique<KvUpdate>(std::move(setup));
  if (!cancelRequested_ && !quitRequested()) engine->run();
  checking_ = false;
  if (engine->wasCancelled() || cancelRequested_) {
    // Closed during the check: no date, no hand-over, and the window is gone already.
    endModal(IDCANCEL);
    return;
  }
  const UpdateStatus s = engine->status();
  if (s == UpdateStatus::NoUpdate || s == UpdateStatus::Prepared) {
    appWindows().main.showLastUpdateCheck(todayAsShortDate());
    saveSettingsNow();
  }
  showResult(*engine);
  if (s == UpdateStatus::Prepared) engine_ = std::move(engine);
}

void UpdateWindow::showResult(const KvUpdate& engine) {
  switch (engine.status()) {
    case UpdateStatus::Prepared: {
      showPanel(Panel::details);
      details.setText(tr(321));
      std::vector<std::string> lines;
      for (int text : categoryTextNumbers(engine.categories())) {
        lines.push_back("-" + tr(text));
        lines.push_back("");
      }
      categories.setItems(lines);
      return;
    }
    case UpdateStatus::NoUpdate:
      result.setText(tr(317));
      break;
    case UpdateStatus::Error:
      result.setText(tr(318));
      break;
    case UpdateStatus::Reinstall:
      result.setText(tr(319));
      reinstallAddress_ = engine.reinstallAddress();
      break;
  }
  showPanel(Panel::result);
  if (engine.status() == UpdateStatus::Reinstall) {
    resultGoOn.setVisible(false);
    reinstallGoOn.setVisible(true);
  }
}

void UpdateWindow::handOver() {
  playClick();
  if (!engine_) return;
  const std::string script = engine_->scriptPath();
  engine_.reset();
  const HandOver h = handOverToUpdater(script, dataFolder(kProductName), programFolder());
  if (h != HandOver::Started) {
    // The program stays: its own file is never overwritten while it runs.
    log("the updater could not be started");
    DeleteFileA(script.c_str());
    endModal(IDCANCEL);
    appWindows().message.showMessage(tr(5343));
    return;
  }
  endModal(IDOK);
  appWindows().results.closeProgram(false);
}

void UpdateWindow::reinstall() {
  playClick();
  if (!isWebAddress(reinstallAddress_)) {
    log("the reinstall page is no web address: " + reinstallAddress_);
    endModal(IDCANCEL);
    appWindows().message.showMessage(tr(5344));
    return;
  }
  openAddress(reinstallAddress_);
  endModal(IDOK);
  appWindows().results.closeProgram(false);
}

void UpdateWindow::close() {
  if (checking_) {
    cancelRequested_ = true;  // the check ends at its next step and closes the window
    return;
  }
  if (engine_) {
    handOver();
    return;
  }
  endModal(IDCANCEL);
}

}  // namespace scrubwell::ui
