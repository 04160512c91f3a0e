// The chosen look: the background picture "Scrubwell.bg<n>.jpg" behind every window, and the
// search-icon set "Scrubwell.sk<n>_1.ani" / "_2.ani" of the windows that show a search running.
// A picture is read and decoded only when another background is chosen, once per run otherwise.
#pragma once

namespace scrubwell::ui {

// Shows background `index` (from 0) when it differs from the one shown. The picture is looked
// for in the data folder, then beside the program; without a usable picture the look stays.
void showBackground(int index);
// Shows the search-icon set of entry `entry` of the icon list (the last entry picks one at
// random, seeded from the clock) when it differs from the set shown. Missing files keep the
// icons as they are.
void showSearchIcons(int entry);
// Forgets which background and icon set are shown (tests), so the next choice loads again.
void forgetShownLook();

}  // namespace scrubwell::ui
