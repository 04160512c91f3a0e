// The results window `TForm1`: owner of the drive slots, the result list, the done marks and the
// clean-up handlers; search mode shows the drive slots and the search toolbar, result mode the
// found files. It scans and removes through the window-free clean-up session.
#pragma once
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "options/result_exclusion.h"
#include "scan/cleanup_session.h"
#include "scan/done_marks.h"
#include "scan/drive_offer.h"
#include "scan/result_list.h"
#include "ui/framework/balloon_hint.h"
#include "ui/framework/timer.h"
#include "ui/framework/virtual_list.h"
#include "ui/framework/window.h"

namespace scrubwell::ui {

class TForm1 : public Window {
 public:
  static constexpr int kDriveSlots = static_cast<int>(DriveOffer::kSlots);
  TForm1();
  ~TForm1() override;

  void applyTexts() override;

  // Fills the drive slots and the drive list from the offered drives; "C:\" is checked.
  void offerDrives(const DriveOffer& offer);
  int driveFrameHeight() const { return driveFrameHeight_; }
  // Every checked drive root of the slots and the list, in slot then list order.
  std::vector<std::string> checkedDrives() const;

  bool doneMark(int n) const { return doneMarks_.isSet(n); }
  void setDoneMark(DoneMark mark);

  // --- the result list (raw list and display list) and the two modes
  ResultList& results() { return results_; }
  bool resultMode() const { return resultMode_; }
  // Rebuilds the display list from the raw list and refreshes the class pictures.
  void rebuildDisplayList();
  // Enters result mode after a walk (nothing found: the message, then back to search mode).
  void showResults();
  void leaveResultMode();
  void markEverything(bool marked);
  void rowClicked(size_t row);
  void rowHovered(int row);
  void arrangeEntries();
  void cancelProcess();
  void refreshClassPictures();
  // The picture each of the 20 row positions shows: 0 hidden, else the entry class 1..3.
  int classPicture(int position) const { return classPictureState_[position]; }

  // --- the rows' shortcut menu and "Save list..."
  // Opens the shortcut menu for the selected rows at `at` (screen coordinates).
  void showRowMenu(POINT at);
  // Adds search exceptions for the selected rows' files or folders and takes every row they
  // exclude out of the list at once.
  void excludeSelected(Exclusion kind);
  void openContainingFolder();
  void copySelectedPaths();
  void saveList();

  // Outside result mode the main window stands in for this window.
  void showWindow();
  void hideWindow();
  bool windowVisible() const;

  // The status report of a run is open (set by the report, cleared by "back" and "cancel").
  bool reportOpen() const { return reportOpen_; }
  void setReportOpen(bool open) { reportOpen_ = open; }

  // --- clean-ups
  // "remove": backs up (or recycles) and deletes the marked entries and shows the status report.
  void removeMarked();
  // The options the removal runs with, as the windows hold them.
  RemovalSettings removalSettings() const;
  // Starts a clean-up the way its table entry says; one that cannot start yet does nothing.
  void startCleanup(CleanupId id);
  static bool canStart(CleanupId id);
  // The recent-documents clean-up: the Recent folder's files go, the shell's list is cleared.
  void cleanRecentDocuments();
  // The start-menu clean-up: empty start-menu folders go to the recycle bin.
  void emptyStartMenuFolders();
  // "go on" of the temp-folder window: the temp-folder scan into this window.
  void startTemporaryFolderScan();
  // The multi-clean's drive walk: the drive scans of `ids` on one walk into an empty list, shown
  // as any scan's results are.
  void scanTogether(const std::vector<CleanupId>& ids);
  // "Search for junk files" of this window's own toolbar: the junk search.
  void junkSearchLauncher() { startCleanup(CleanupId::junkSearch); }
  // What every drive scan walks and matches: the chosen drives, the masks, the exceptions.
  DriveScanInputs driveScanInputs() const;
  // The window-free flow this window scans and removes through.
  CleanupSession& session() { return session_; }

  // Shut down: the close button plays the finish sound (and waits for it when enhanced sounds
  // are on); then the settings are saved if wanted and the application ends.
  void closeProgram(bool closeButton);

  std::array<CheckBox, kDriveSlots> driveChecks;
  std::array<Label, kDriveSlots> driveLabels;
  CheckListBox driveList;
  StatusBar statusBar;
  Label statusLine;
  VirtualList rows;
  Button searchJunk, closeButton, remove, markAll, arrange, unmarkAll, cancel, saveListButton;

  Timer picturesTimer{1500, true};  // class pictures of the visible rows

 protected:
  void onClose() override;
  void onCreated() override;
  INT_PTR onMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;

 private:
  void layout();
  void updateStatusLine(int64_t total, bool afterMarkEverything);
  void setSearchControlsVisible(bool visible);
  void showHint(const std::string& text);
  std::vector<std::string> selectedPaths() const;
  void hideHint();
  // Walks the chosen drives with the clean-up's drive scan, the search progress window shown,
  // and shows what it found.
  void runDriveScan(CleanupId id);
  // Hides the window, runs `walk` with the search progress window shown, and shows the results.
  void walkAndShow(const std::function<void(WalkProgress*)>& walk);

  Label driveFrame_, foundCaption_;
  std::array<Picture, 20> classPictures_;
  std::array<int, 20> classPictureState_{};
  DoneMarks doneMarks_;
  ResultList results_;
  CleanupSession session_{results_};
  bool resultMode_ = false;
  bool reportOpen_ = false;
  int lastHovered_ = -1;
  int driveFrameHeight_ = 21;
  HFONT fixedFont_ = nullptr;
  BalloonHint hint_;
};

}  // namespace scrubwell::ui
