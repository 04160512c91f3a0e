// The four feedback sounds (click, hover, start, finish): short wave files beside the program,
// played through the multimedia command interface when their option is on.
#pragma once

namespace scrubwell::ui {

class CheckBox;

// The options that switch the sounds on: "normal" (click, hover) and "enhanced" (start, finish).
// Until they are set, no sound plays.
void setSoundOptions(const CheckBox* normal, const CheckBox* enhanced);

void playClick();   // silent during start-up
void playHover();
void playStart();
void playFinish();

// What the sounds asked the multimedia interface to play ("play klick.wav" ...), for tests.
int soundsPlayed();

}  // namespace scrubwell::ui
