// The look every window shares: one background picture, decoded once and tiled behind every
// window and its labels and boxes, and a darker copy of it behind the tool bands. Without a
// picture the windows keep the system's colours.
#pragma once
#include <windows.h>

#include <string>

namespace scrubwell::ui {

// Makes the JPEG file at `path` the background of every window and repaints the windows that
// exist. A missing, unreadable, corrupt or oversized file leaves the look as it was and returns
// false; nothing is shown to the user.
bool setBackgroundPicture(const std::string& path);
// The brush of the background picture and of the tool bands; nullptr without a picture. Both
// tile from a window's top-left corner.
HBRUSH backgroundBrush();
HBRUSH toolBandBrush();
// Drops the picture (tests; the windows are repainted plain).
void clearBackgroundPicture();

class AnimatedIcon;

// Makes the animated cursors (.ani) at the two paths the first and second search icon of every
// window that shows them, and starts stepping their frames. When either cannot be loaded the
// icons stay as they were and false is returned.
bool setSearchIcons(const std::string& firstPath, const std::string& secondPath);
// The loaded search icon `which` (0 or 1), nullptr while none is loaded, and the frame to draw.
HICON searchIcon(int which);
unsigned searchIconStep();
// The animated icons that exist, so a new set and each frame reach them.
void registerAnimatedIcon(AnimatedIcon* icon);
void unregisterAnimatedIcon(AnimatedIcon* icon);

}  // namespace scrubwell::ui
