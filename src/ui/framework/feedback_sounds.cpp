// Feedback sounds through the program's installed functions, and the hover rule.
#include "ui/framework/feedback_sounds.h"

#include "ui/framework/guarded.h"

namespace scrubwell::ui {
namespace {

FeedbackSounds& installed() {
  static FeedbackSounds sounds;
  return sounds;
}
bool hoverArmed = false;

// A sound is a callback from the framework's point of view: nothing it throws gets through.
void play(const std::function<void()>& sound) {
  if (sound) runGuarded(sound);
}

}  // namespace

void setFeedbackSounds(FeedbackSounds sounds) { installed() = std::move(sounds); }

void playFeedbackClick() { play(installed().click); }

void pointerOverBackground() { hoverArmed = true; }

void pointerOverButton() {
  if (!hoverArmed) return;
  hoverArmed = false;
  play(installed().hover);
}

}  // namespace scrubwell::ui
