// What a backup point shows while it is written or restored: the backup progress window
// implements this; the engines only call it.
#pragma once
#include <string>

namespace scrubwell {

class BackupProgress {
 public:
  virtual ~BackupProgress() = default;
  // Shows the backup progress window (and pumps messages so it paints).
  virtual void showWindow() = 0;
  virtual void closeWindow() = 0;
  // The progress bar (0..100) and the file label.
  virtual void setPercent(int percent) = 0;
  virtual void setFileText(const std::string& file) = 0;
};

}  // namespace scrubwell
