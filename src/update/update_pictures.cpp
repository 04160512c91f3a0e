// The update window's animation pictures.
#include "update/update_pictures.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "update/update_animation.h"

namespace scrubwell {
namespace {

// Selects a GDI object into a device context for one scope and deletes it afterwards.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object) : dc_(dc), object_(object), old_(SelectObject(dc, object)) {}
  ~Selected() {
    SelectObject(dc_, old_);
    DeleteObject(object_);
  }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ object_, old_;
};

void drawArrow(HDC dc, int cx, int top, int radius) {
  Selected pen(dc, CreatePen(PS_SOLID, 1, RGB(40, 40, 40)));
  Selected fill(dc, CreateSolidBrush(RGB(255, 255, 255)));
  const int shaft = std::max(2, radius / 5), head = std::max(4, radius / 2);
  const int length = radius;
  const POINT arrow[] = {{cx - shaft, top},
                         {cx + shaft, top},
                         {cx + shaft, top + length - head},
                         {cx + head, top + length - head},
                         {cx, top + length},
                         {cx - head, top + length - head},
                         {cx - shaft, top + length - head}};
  Polygon(dc, arrow, static_cast<int>(std::size(arrow)));
}

}  // namespace

void drawUpdatePicture(HDC dc, const RECT& area, int picture) {
  picture = std::clamp(picture, 1, kUpdatePictureCount);
  const int size = std::min(area.right - area.left, area.bottom - area.top);
  const int cx = (area.left + area.right) / 2, cy = (area.top + area.bottom) / 2;
  const int radius = std::max(4, size * 2 / 5);
  {
    Selected pen(dc, CreatePen(PS_SOLID, 1, RGB(20, 60, 120)));
    Selected sea(dc, CreateSolidBrush(RGB(70, 130, 200)));
    Ellipse(dc, cx - radius, cy - radius, cx + radius + 1, cy + radius + 1);
  }
  if (picture <= 4) {
    // A land band at one of four longitudes: narrow near the rim, widest in the middle.
    static const int kLongitude[4] = {-3, -1, 1, 3};  // in sixths of the radius
    const int at = kLongitude[picture - 1];
    const int x = cx + radius * at / 6;
    const int half = std::max(1, radius * (4 - std::abs(at)) / 8);
    Selected pen(dc, CreatePen(PS_SOLID, 1, RGB(30, 100, 40)));
    Selected land(dc, CreateSolidBrush(RGB(80, 170, 80)));
    Ellipse(dc, x - half, cy - radius * 3 / 4, x + half + 1, cy + radius * 3 / 4 + 1);
    return;
  }
  drawArrow(dc, cx, cy - radius * 3 / 4 + (picture == 6 ? radius / 3 : 0), radius);
}

}  // namespace scrubwell
