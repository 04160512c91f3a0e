// Choosing the background picture by its index.
#include "ui/look_choice.h"

#include <string>

#include "base/app_state.h"
#include "base/data_folder.h"
#include "options/search_icon_set.h"
#include "platform/seams.h"
#include "ui/framework/look.h"

namespace scrubwell::ui {
namespace {

int& shownBackground() {
  static int index = -1;
  return index;
}

int& shownIconSet() {
  static int set = -1;
  return set;
}

}  // namespace

void showBackground(int index) {
  if (index < 0 || index == shownBackground()) return;
  shownBackground() = index;
  setBackgroundPicture(locateFile(kProductName, "Scrubwell.bg" + std::to_string(index) + ".jpg"));
}

void showSearchIcons(int entry) {
  if (entry < 0 || entry == shownIconSet()) return;
  const SYSTEMTIME now = theClock().localTime();
  const int set = searchIconSetFor(entry, theClock().tickCount() ^ (now.wMilliseconds << 16));
  shownIconSet() = set;
  const std::string stem = "Scrubwell.sk" + std::to_string(set);
  setSearchIcons(locateFile(kProductName, stem + "_1.ani"), locateFile(kProductName, stem + "_2.ani"));
}

void forgetShownLook() {
  shownBackground() = -1;
  shownIconSet() = -1;
}

}  // namespace scrubwell::ui
