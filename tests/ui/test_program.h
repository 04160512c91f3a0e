// The program's windows for a window test: fake seams, fresh start-up state, and a language
// table with just the texts the test looks at.
#pragma once
#include <string>

#include "app/app_windows.h"
#include "base/app_state.h"
#include "base/texts.h"
#include "support/fake_seams.h"

namespace scrubwell::test {

struct TestProgram {
  ScopedSeams seams;
  AppWindows w;
  // `texts` holds language-file lines such as "[31]\r\nFile\r\n".
  explicit TestProgram(const std::string& texts) {
    appState() = AppState{};
    translation().loadFromText("[0]\r\nENGLISH\r\n" + texts + "[END]\r\n");
  }
  ~TestProgram() { translation().clear(); }
};

}  // namespace scrubwell::test
