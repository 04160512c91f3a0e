// The backup window: lists the backup points and the files of the selected one, restores the
// checked files, removes one or all points, and holds the two backup switches (keep deleted
// files; remove old backups at log-on).
#pragma once
#include <array>
#include <string>
#include <vector>

#include "backup/backup_points.h"
#include "ui/framework/balloon_hint.h"
#include "ui/framework/window.h"

namespace scrubwell::ui {

class BackupWindow : public Window {
 public:
  BackupWindow();
  void applyTexts() override;

  // Fills the lists and shows the window modally; the main window shows again afterwards.
  void open();
  // Rebuilds the point list (1000.bck down to 1.bck, the first selected) and the file list.
  void fillPointList();
  // Rebuilds the file list for the selected point, every line checked.
  void fillFileList();
  // The point whose files the list shows; empty when there is none.
  std::string selectedPoint() const;
  const std::vector<std::string>& pointPaths() const { return pointPaths_; }
  const BalloonHint& hint() const { return hint_; }

  CheckBox backupOption;
  CheckBox autoRemove;
  ComboBox points;
  CheckListBox files;
  Button restore, removePoint, removeAll, markAll, unmarkAll;

 protected:
  INT_PTR onMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;

 private:
  void restoreMarked();
  void removeSelectedPoint();
  void fileHovered(int line);

  Label band_, pointsCaption_, autoRemoveLabel_;
  std::array<Label, 3> explanation_;
  Button back_;
  std::vector<std::string> pointPaths_;
  PointContents firstPoint_;  // read while listing; spares reading the first point twice
  BalloonHint hint_;
};

// The user toggled `box`, one of the two copies of the backup option, in `where` (the backup
// window or the options window): while that window is visible the new state is saved at once
// and, when switched on, explained; the other copy follows.
void backupOptionToggled(const Window& where, CheckBox& box, CheckBox& twin);

}  // namespace scrubwell::ui
