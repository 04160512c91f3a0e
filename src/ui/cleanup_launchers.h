// How the clean-ups that start no drive scan from their button start: each opens its window or
// runs at once and reports in the information window.
#pragma once
#include "scan/cleanup_table.h"

namespace scrubwell::ui {

using CleanupLauncher = void (*)();

// The launcher of a clean-up's button; nullptr for drive scans and clean-ups not built yet.
CleanupLauncher launcherOf(CleanupId id);

}  // namespace scrubwell::ui
