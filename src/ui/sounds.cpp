// Feedback sounds through mciSendStringA, with the program folder as current directory so the
// command can name the wave file relative to it.
#include "ui/sounds.h"

#include <windows.h>
#include <mmsystem.h>

#include <string>

#include "base/app_state.h"
#include "base/data_folder.h"
#include "ui/framework/controls.h"

namespace scrubwell::ui {
namespace {

const CheckBox* normalOption = nullptr;
const CheckBox* enhancedOption = nullptr;
int played = 0;

void play(const char* file) {
  char previous[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, previous);
  // The program folder is taken from the program's path, whatever the program file is called.
  std::string folder = programFolder();
  SetCurrentDirectoryA(folder.c_str());
  DWORD attributes = GetFileAttributesA(file);
  if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    std::string command = std::string("play ") + file;
    mciSendStringA(command.c_str(), nullptr, 0, nullptr);
    ++played;
  }
  SetCurrentDirectoryA(previous);
}

bool on(const CheckBox* option) { return option && option->checked(); }

}  // namespace

void setSoundOptions(const CheckBox* normal, const CheckBox* enhanced) {
  normalOption = normal;
  enhancedOption = enhanced;
}

void playClick() {
  if (on(normalOption) && !appState().startupBusy) play("klick.wav");
}
void playHover() {
  if (on(normalOption)) play("schhht.wav");
}
void playStart() {
  if (on(enhancedOption)) play("start.wav");
}
void playFinish() {
  if (on(enhancedOption)) play("finished.wav");
}

int soundsPlayed() { return played; }

}  // namespace scrubwell::ui
