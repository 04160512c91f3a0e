// The settings file as the program's windows hold it: which of their controls are saved and
// loaded, and the look settings applied early in start-up.
#pragma once
#include "app/settings.h"

namespace scrubwell {

// The controls of the program's windows that the settings file is saved from and loaded into.
SettingsControls settingsControls();

// Reads "back" and "icon", keeps them inside the options window's lists, selects them.
void applyLookFromSettingsFile();

}  // namespace scrubwell
