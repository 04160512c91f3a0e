// The feedback sounds: which options switch which sounds, and silence during start-up.
#include <gtest/gtest.h>

#include "base/app_state.h"
#include "ui/framework/controls.h"
#include "ui/sounds.h"

using namespace scrubwell;
using namespace scrubwell::ui;

namespace {

struct SoundOptions {
  CheckBox normal, enhanced;
  SoundOptions(bool n, bool e) {
    normal.setChecked(n);
    enhanced.setChecked(e);
    setSoundOptions(&normal, &enhanced);
    appState().startupBusy = 0;
  }
  ~SoundOptions() { setSoundOptions(nullptr, nullptr); }
};

int played(void (*play)()) {
  int before = soundsPlayed();
  play();
  return soundsPlayed() - before;
}

}  // namespace

TEST(Sounds, OptionsSwitchTheirSounds) {
  {
    SoundOptions o(false, true);
    EXPECT_EQ(played(playClick), 0);
    EXPECT_EQ(played(playHover), 0);
    EXPECT_EQ(played(playStart), 1);
    EXPECT_EQ(played(playFinish), 1);
  }
  {
    SoundOptions o(true, false);
    EXPECT_EQ(played(playClick), 1);
    EXPECT_EQ(played(playHover), 1);
    EXPECT_EQ(played(playStart), 0);
    EXPECT_EQ(played(playFinish), 0);
  }
  EXPECT_EQ(played(playClick), 0) << "no options known: silent";
}

TEST(Sounds, NoClickDuringStartUp) {
  SoundOptions o(true, true);
  appState().startupBusy = 1;
  EXPECT_EQ(played(playClick), 0);
  EXPECT_EQ(played(playStart), 1);
  appState().startupBusy = 0;
  EXPECT_EQ(played(playClick), 1);
}
