// The one set of program windows.
#include "app/app_windows.h"

#include <cassert>

#include "ui/framework/feedback_sounds.h"
#include "ui/sounds.h"

namespace scrubwell {
namespace {
AppWindows* current = nullptr;
}

AppWindows::AppWindows() {
  assert(!current);
  current = this;
  ui::setSoundOptions(&options.normalSounds, &options.enhancedSounds);
  ui::setFeedbackSounds({ui::playClick, ui::playHover});
}

AppWindows::~AppWindows() {
  ui::setFeedbackSounds({});
  ui::setSoundOptions(nullptr, nullptr);
  current = nullptr;
}

AppWindows& appWindows() { return *current; }
bool appWindowsExist() { return current != nullptr; }

}  // namespace scrubwell
