// The main window: five side buttons switch between five pages whose buttons start the
// clean-ups of the results window. It holds no clean-up logic; the state it shows (drive
// selection, done marks, dates) is copied from the windows that own it.
#pragma once
#include <array>
#include <vector>

#include "scan/cleanup_table.h"
#include "scan/done_marks.h"
#include "scan/drive_offer.h"
#include "ui/framework/side_button.h"
#include "ui/framework/window.h"

namespace scrubwell::ui {

class MainWindow : public Window {
 public:
  static constexpr int kPages = 5;
  MainWindow();

  void applyTexts() override;
  void showPage(int page);  // 0..4
  int currentPage() const { return page_; }
  const SideButton& sideButton(int page) const { return side_.at(page); }
  // The controls of a page, shown only while it is the current one.
  const std::vector<Control*>& pageControls(int page) const { return pages_.at(page); }
  // The button that starts a clean-up of the table.
  Button& cleanupButton(CleanupId id);

  // Shows the date of the last update check with "Check for Updates now" 10 pixels right of it.
  void showLastUpdateCheck(const std::string& date);
  // Copies the results window's drive slots and drive list into this window's own controls.
  void mirrorDrives();
  // Copies the done marks from the results window and sets "last scan" to today.
  void refreshMarks();
  static constexpr int kMarks = DoneMarks::kCount;
  void setMark(int n, bool shown);  // marks 1..kMarks
  bool mark(int n) const { return n >= 1 && n <= kMarks && markShown_[n - 1]; }

  Label lastScan, lastUpdate;
  CheckBox autoUpdate;
  Button checkUpdates;
  std::array<CheckBox, DriveOffer::kSlots> driveChecks;
  std::array<Label, DriveOffer::kSlots> driveLabels;
  CheckListBox driveList;
  Button backup, options, info, help, docs, homepage, feedback;

 protected:
  void onCreated() override;
  void onClose() override;

 private:
  // The button at `row` of page 1 (clean), 2 (tidy) or 3 (miscellaneous).
  Button& pageButton(int page, int row);
  void wireButtons();
  void wireDriveGuard();
  void placeCheckUpdatesBesideDate();
  std::array<SideButton, kPages> side_;
  std::array<std::vector<Control*>, kPages> pages_;
  Label band_, welcome_, lastScanCaption_, lastUpdateCaption_, autoUpdateLabel_;
  std::array<Button, 6> clean_;
  std::array<Button, 6> tidy_;  // the last: empty start-menu folders
  std::array<Button, 5> misc_;
  Label driveFrame_;
  std::array<Picture, kMarks> marks_;
  std::array<bool, kMarks> markShown_{};
  bool mirroring_ = false;
  int page_ = 0;
};

}  // namespace scrubwell::ui
