// A balloon hint that follows the mouse pointer: shown over a window on demand (a list's hovered
// line, for instance) and hidden again by its owner.
#pragma once
#include <windows.h>

#include <string>

namespace scrubwell::ui {

class BalloonHint {
 public:
  BalloonHint() = default;
  ~BalloonHint();
  BalloonHint(const BalloonHint&) = delete;
  BalloonHint& operator=(const BalloonHint&) = delete;

  // Shows `text` (under `title` when given) just below and right of the pointer, for `owner`.
  void show(HWND owner, const std::string& text, const std::string& title = {});
  void hide();
  bool shown() const { return shown_; }
  const std::string& text() const { return text_; }

 private:
  HWND tip_ = nullptr;
  HWND owner_ = nullptr;
  bool shown_ = false;
  std::string text_, title_;
};

}  // namespace scrubwell::ui
