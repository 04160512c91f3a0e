// How the clean-ups that start no drive scan from their button start: each opens its window or
// runs at once and reports in the information window.
#pragma once
#include "scan/cleanup_table.h"
#include "scan/folder_tree_removal.h"

namespace scrubwell::ui {

using CleanupLauncher = void (*)();

// The launcher of a clean-up's button; nullptr for drive scans and clean-ups not built yet.
CleanupLauncher launcherOf(CleanupId id);

// After a removal of folder trees that a person started: the status report with its summary
// when it ran, the results window again when it was declined or stopped before deleting.
void finishFolderTreeRemoval(const FolderTreesOutcome& outcome);

}  // namespace scrubwell::ui
