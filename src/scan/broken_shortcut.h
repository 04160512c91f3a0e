// Decides whether a shortcut file (.lnk or .pif) points at a file or folder that is gone.
#pragma once
#include <memory>
#include <string>

namespace scrubwell {

// One test serves a whole scan: it keeps a single shell link object and the drive types it has
// looked up, so checking thousands of shortcuts costs one object and one lookup per letter.
// Use it from one thread only, the thread that destroys it (it may initialise COM there).
class BrokenShortcutTest {
 public:
  BrokenShortcutTest();
  ~BrokenShortcutTest();
  BrokenShortcutTest(const BrokenShortcutTest&) = delete;
  BrokenShortcutTest& operator=(const BrokenShortcutTest&) = delete;

  // True when the shortcut file at `shortcutPath` (an ANSI path, .lnk or .pif) is broken: its
  // target is a drive-letter path on a fixed disk (not A:) where neither a file nor a folder
  // exists. A missing or unreadable shortcut, one without a path target, and targets on network,
  // removable or CD-ROM drives are never broken.
  bool isBroken(const std::string& shortcutPath);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace scrubwell
