// The clean-ups the program offers, one entry each: its done mark, where its button stands in the
// main window, its box in the multi-clean chooser, its name on the command line, its texts and how
// it starts. The main window, the chooser, the command line and the multi-clean run iterate this
// table, so a new clean-up is one entry here plus its engine.
#pragma once
#include <span>
#include <string_view>

#include "scan/done_marks.h"

namespace scrubwell {

enum class CleanupId {
  junkSearch,
  brokenShortcuts,
  zeroByteFiles,
  temporaryFolder,
  registry,
  duplicateFiles,
  recentDocuments,
  uninstallEntries,
  browserCache,
  updateUninstallFolders,
  windowsTools,
  prefetchAndDownloads,
  ownFolders,
  minidumps,
};

// How a clean-up runs once started.
enum class CleanupStart {
  driveScan,  // walks the selected drives into the result list; the user removes from there
  direct,     // deletes at once (with backup), then shows the status report
  ownWindow,  // opens a window of its own first (which may then start its drive scan)
};

struct Cleanup {
  CleanupId id;
  DoneMark mark;
  int page;                      // main-window page (1 clean, 2 tidy, 3 miscellaneous)
  int row;                       // the button's row on that page, from 0
  int chooserBox;                // multi-clean chooser box, 1 to 14
  std::string_view commandName;  // name in /scans:, empty while it cannot run unattended
  int buttonText;                // text of its main-window button
  int chooserText;               // text of its chooser box
  CleanupStart start;
};

// Every clean-up, in the order of the done marks.
std::span<const Cleanup> cleanups();
const Cleanup& cleanup(CleanupId id);
// The clean-up with this command-line name (case ignored); nullptr when there is none.
const Cleanup* cleanupByCommandName(std::string_view name);
// The clean-up whose main-window button stands at page and row; nullptr for other buttons.
const Cleanup* cleanupAt(int page, int row);
// The clean-up of chooser box n; nullptr outside 1 to 14.
const Cleanup* cleanupOfChooserBox(int box);

}  // namespace scrubwell
