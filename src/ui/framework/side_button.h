// A page button of a side column: an owner-drawn button with a vertical gradient face, drawn in
// an inactive and an active style; the active one is wider, so it reaches towards the page it
// shows.
#pragma once
#include <windows.h>

#include "ui/framework/controls.h"

namespace scrubwell::ui {

// The colours (0x00BBGGRR) and width of one style of side button.
struct SideButtonStyle {
  COLORREF face, gradient, darkEdge, lightEdge, border;
  int width;  // pixels
};

class SideButton : public Button {
 public:
  static const SideButtonStyle kInactive, kActive;

  using Button::Button;
  bool active() const { return active_; }
  // Restyles the button and resizes a created one to the style's width, keeping its left edge.
  void setActive(bool active);
  const SideButtonStyle& style() const { return active_ ? kActive : kInactive; }
  bool draw(const DRAWITEMSTRUCT& item) override;

 protected:
  void syncToNative() override;

 private:
  void applyWidth();
  bool active_ = false;
};

}  // namespace scrubwell::ui
