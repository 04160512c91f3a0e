// The framework's feedback sounds (a click, a hover) played through functions the program
// installs, so the framework knows nothing of wave files or sound options.
#pragma once
#include <functional>

namespace scrubwell::ui {

struct FeedbackSounds {
  std::function<void()> click;  // a push button that asks for it was pressed
  std::function<void()> hover;  // the pointer came onto a push button from a window's background
};

// Installs the sounds (empty functions: silent).
void setFeedbackSounds(FeedbackSounds sounds);

void playFeedbackClick();
// The hover rule: the pointer over a window's background arms the hover sound; the pointer over a
// push button while it is armed plays it once and disarms it.
void pointerOverBackground();
void pointerOverButton();

}  // namespace scrubwell::ui
