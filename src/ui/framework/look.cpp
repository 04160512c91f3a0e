// The shared background picture as two pattern brushes, made once per picture.
#include "ui/framework/look.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "base/file_ops.h"
#include "options/jpeg_picture.h"
#include "ui/framework/controls.h"
#include "ui/framework/window.h"

namespace scrubwell::ui {
namespace {

struct Look {
  HBITMAP picture = nullptr, band = nullptr;
  HBRUSH pictureBrush = nullptr, bandBrush = nullptr;
};

Look& look() {
  static Look l;
  return l;
}

// A picture larger than this is decoded smaller: windows are not larger than a screen, and the
// picture tiles where they are.
constexpr unsigned kFitWidth = 1600, kFitHeight = 1200;
// The tool bands lie along the top edge of their windows, within these rows of the picture.
constexpr unsigned kBandRows = 32;

// A 32-bit top-down DIB section of the picture's first `rows` rows; `shade` scales every
// channel (256 = as is).
HBITMAP makeBitmap(const RgbPicture& p, unsigned rows, int shade) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = static_cast<LONG>(p.width);
  info.bmiHeader.biHeight = -static_cast<LONG>(rows);
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return nullptr;
  auto* out = static_cast<std::uint8_t*>(bits);
  const std::size_t pixels = std::size_t(p.width) * rows;
  for (std::size_t i = 0; i < pixels; ++i) {
    out[i * 4 + 0] = static_cast<std::uint8_t>(p.rgb[i * 3 + 2] * shade / 256);
    out[i * 4 + 1] = static_cast<std::uint8_t>(p.rgb[i * 3 + 1] * shade / 256);
    out[i * 4 + 2] = static_cast<std::uint8_t>(p.rgb[i * 3 + 0] * shade / 256);
    out[i * 4 + 3] = 0;
  }
  return bitmap;
}

void release(Look& l) {
  for (HBRUSH b : {l.pictureBrush, l.bandBrush})
    if (b) DeleteObject(b);
  for (HBITMAP b : {l.picture, l.band})
    if (b) DeleteObject(b);
  l = {};
}

void repaintWindows() {
  for (Window* w : Window::all())
    if (w->created())
      RedrawWindow(w->hwnd(), nullptr, nullptr,
                   RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

}  // namespace

bool setBackgroundPicture(const std::string& path) {
  PictureLimits limits;
  limits.fitWidth = kFitWidth;
  limits.fitHeight = kFitHeight;
  std::string bytes;
  if (!readFileBytes(path, bytes, limits.maxFileBytes + 1)) return false;
  RgbPicture picture;
  if (decodeJpeg(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), picture,
                 limits) != PictureResult::ok)
    return false;
  Look made;
  made.picture = makeBitmap(picture, picture.height, 256);
  made.band = makeBitmap(picture, std::min(picture.height, kBandRows), 110);  // darker
  made.pictureBrush = made.picture ? CreatePatternBrush(made.picture) : nullptr;
  made.bandBrush = made.band ? CreatePatternBrush(made.band) : nullptr;
  if (!made.pictureBrush || !made.bandBrush) {
    release(made);
    return false;
  }
  release(look());
  look() = made;
  repaintWindows();
  return true;
}

HBRUSH backgroundBrush() { return look().pictureBrush; }
HBRUSH toolBandBrush() { return look().bandBrush; }

void clearBackgroundPicture() {
  release(look());
  repaintWindows();
}

namespace {

struct SearchIcons {
  HICON icons[2] = {nullptr, nullptr};
  unsigned step = 0;
  UINT_PTR timer = 0;
  std::vector<AnimatedIcon*> shown;
};

SearchIcons& searchIcons() {
  static SearchIcons s;
  return s;
}

// Ten frames a second; the step wraps at a multiple of every usual frame count.
void CALLBACK nextFrame(HWND, UINT, UINT_PTR, DWORD) {
  SearchIcons& s = searchIcons();
  s.step = (s.step + 1) % 720;
  for (AnimatedIcon* icon : s.shown)
    if (icon->hwnd() && IsWindowVisible(icon->hwnd())) InvalidateRect(icon->hwnd(), nullptr, FALSE);
}

}  // namespace

bool setSearchIcons(const std::string& firstPath, const std::string& secondPath) {
  auto load = [](const std::string& path) {
    return static_cast<HICON>(
        LoadImageA(nullptr, path.c_str(), IMAGE_CURSOR, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE));
  };
  HICON first = load(firstPath), second = load(secondPath);
  if (!first || !second) {
    if (first) DestroyCursor(first);
    if (second) DestroyCursor(second);
    return false;
  }
  SearchIcons& s = searchIcons();
  for (HICON old : s.icons)
    if (old) DestroyCursor(old);
  s.icons[0] = first;
  s.icons[1] = second;
  s.step = 0;
  if (!s.timer) s.timer = SetTimer(nullptr, 0, 100, nextFrame);
  for (AnimatedIcon* icon : s.shown)
    if (icon->hwnd()) InvalidateRect(icon->hwnd(), nullptr, TRUE);
  return true;
}

HICON searchIcon(int which) { return which == 0 || which == 1 ? searchIcons().icons[which] : nullptr; }
unsigned searchIconStep() { return searchIcons().step; }

void registerAnimatedIcon(AnimatedIcon* icon) { searchIcons().shown.push_back(icon); }
void unregisterAnimatedIcon(AnimatedIcon* icon) {
  auto& shown = searchIcons().shown;
  shown.erase(std::remove(shown.begin(), shown.end(), icon), shown.end());
}

}  // namespace scrubwell::ui
