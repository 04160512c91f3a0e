// Control wrappers: state changes are mirrored to the native control when it exists.
#include "ui/framework/controls.h"

#include <commctrl.h>

#include "base/text_lines.h"
#include "ui/framework/feedback_sounds.h"
#include "ui/framework/look.h"
#include "ui/framework/window.h"

namespace scrubwell::ui {

Control::~Control() {
  if (window_) window_->controlGone(*this);
}

void Control::setText(const std::string& t) {
  text_ = t;
  if (live()) pushText();
}

void Control::pushText() {
  pushingText_ = true;
  SetWindowTextA(hwnd_, text_.c_str());
  pushingText_ = false;
}

void Control::setVisible(bool v) {
  visible_ = v;
  if (live()) ShowWindow(hwnd_, v ? SW_SHOWNA : SW_HIDE);
}

void Control::setEnabled(bool e) {
  enabled_ = e;
  if (live()) EnableWindow(hwnd_, e);
}

void Control::attach(HWND control) {
  hwnd_ = control;
  if (live()) syncToNative();
}

void Control::syncToNative() {
  // A control created by the template keeps its template caption until code sets a text.
  if (!text_.empty()) pushText();
  ShowWindow(hwnd_, visible_ ? SW_SHOWNA : SW_HIDE);
  EnableWindow(hwnd_, enabled_);
}

void Label::setCentred(bool centred) {
  if (!hwnd()) return;
  const LONG style = GetWindowLongA(hwnd(), GWL_STYLE);
  const LONG aligned = (style & ~(SS_CENTER | SS_RIGHT)) | (centred ? SS_CENTER : SS_LEFT);
  if (aligned == style) return;
  SetWindowLongA(hwnd(), GWL_STYLE, aligned);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void Label::handleCommand(int code) {
  if (code == STN_CLICKED && onClick) onClick();
}

void Button::click() {
  if (!enabled()) return;
  if (clickSound) playFeedbackClick();
  if (onClick) onClick();
}

void Button::handleCommand(int code) {
  if (code == BN_CLICKED) click();
}

void CheckBox::setChecked(bool c) {
  checked_ = c;
  if (live()) SendMessageA(hwnd(), BM_SETCHECK, c ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckBox::click() {
  if (!enabled()) return;
  setChecked(!checked_);
  if (onChange) onChange();
}

void CheckBox::handleCommand(int code) {
  if (code != BN_CLICKED) return;
  // Auto check boxes have already toggled natively; take over the native state.
  checked_ = SendMessageA(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
  if (onChange) onChange();
}

void CheckBox::syncToNative() {
  Control::syncToNative();
  SendMessageA(hwnd(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ListBox::setItems(std::vector<std::string> items) {
  items_ = std::move(items);
  selected_ = -1;
  if (live()) syncToNative();
}

void ListBox::add(const std::string& s) {
  items_.push_back(s);
  if (live())
    SendMessageA(hwnd(), combo_ ? CB_ADDSTRING : LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(s.c_str()));
}

void ListBox::removeAt(int i) {
  if (i < 0 || i >= count()) return;
  items_.erase(items_.begin() + i);
  if (selected_ == i)
    selected_ = -1;
  else if (selected_ > i)
    --selected_;
  if (live()) syncToNative();
}

void ListBox::clear() { setItems({}); }

void ListBox::setSelectedIndex(int i) {
  selected_ = i >= 0 && i < count() ? i : -1;
  if (live()) SendMessageA(hwnd(), combo_ ? CB_SETCURSEL : LB_SETCURSEL, selected_, 0);
}

void ListBox::handleCommand(int code) {
  if (code != (combo_ ? CBN_SELCHANGE : LBN_SELCHANGE)) return;
  selected_ = static_cast<int>(SendMessageA(hwnd(), combo_ ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
  if (selected_ < 0 || selected_ >= count()) selected_ = -1;
  if (onSelect) onSelect();
}

void ListBox::syncToNative() {
  Control::syncToNative();
  // The native list boxes are created unsorted (sorting, where wanted, happens in the data).
  SendMessageA(hwnd(), combo_ ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
  for (const auto& s : items_)
    SendMessageA(hwnd(), combo_ ? CB_ADDSTRING : LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(s.c_str()));
  SendMessageA(hwnd(), combo_ ? CB_SETCURSEL : LB_SETCURSEL, selected_, 0);
}

void RowHoverList::pointerOver() {
  POINT p{};
  GetCursorPos(&p);
  ScreenToClient(hwnd(), &p);
  mouseMovedTo(p);
}

void RowHoverList::mouseMovedTo(POINT clientPoint) {
  LVHITTESTINFO hit{};
  hit.pt = clientPoint;
  int row = hwnd() ? ListView_HitTest(hwnd(), &hit) : -1;
  if (row == lastHover_) return;
  lastHover_ = row;
  if (onRowHover) onRowHover(row);
}

void EditField::handleCommand(int code) {
  if (code != EN_CHANGE || pushingText()) return;
  int length = GetWindowTextLengthA(hwnd());
  std::string typed(static_cast<size_t>(length) + 1, '\0');
  typed.resize(static_cast<size_t>(GetWindowTextA(hwnd(), typed.data(), length + 1)));
  text_ = std::move(typed);
  if (onChange) onChange();
}

void Memo::setLines(std::vector<std::string> lines) {
  lines_ = std::move(lines);
  if (live()) syncToNative();
}

void Memo::addLine(const std::string& line) {
  lines_.push_back(line);
  if (live()) {
    std::string add = (lines_.size() > 1 ? "\r\n" : "") + line;
    int end = GetWindowTextLengthA(hwnd());
    SendMessageA(hwnd(), EM_SETSEL, end, end);
    SendMessageA(hwnd(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(add.c_str()));
  }
}

void Memo::clear() { setLines({}); }

void Memo::setTextLines(const std::string& text) { setLines(splitLines(text)); }

void Memo::syncToNative() {
  std::string all;
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (i) all += "\r\n";
    all += lines_[i];
  }
  text_ = all;
  Control::syncToNative();
  SetWindowTextA(hwnd(), all.c_str());
}

void ProgressBar::setPosition(int p) {
  position_ = p < 0 ? 0 : p > maximum_ ? maximum_ : p;
  if (live()) SendMessageA(hwnd(), PBM_SETPOS, position_, 0);
}

void ProgressBar::setMaximum(int m) {
  maximum_ = m > 0 ? m : 1;
  if (position_ > maximum_) position_ = maximum_;
  if (live()) syncToNative();
}

void ProgressBar::setRunning(bool running) {
  running_ = running;
  if (live()) SendMessageA(hwnd(), PBM_SETMARQUEE, running_, 40);
}

void ProgressBar::syncToNative() {
  Control::syncToNative();
  SendMessageA(hwnd(), PBM_SETRANGE32, 0, maximum_);
  SendMessageA(hwnd(), PBM_SETPOS, position_, 0);
  SendMessageA(hwnd(), PBM_SETMARQUEE, running_, 40);
}

void Picture::setImage(int resourceId) {
  image_ = resourceId;
  if (live()) syncToNative();
}

void Picture::syncToNative() {
  Control::syncToNative();
  HICON icon = image_ ? LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(image_)) : nullptr;
  SendMessageA(hwnd(), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

namespace {

// Paints an owner-drawn control's rectangle with what its window shows behind it: the background
// picture, aligned with the window's, or the plain dialog colour.
void fillWithWindowBackground(const DRAWITEMSTRUCT& item) {
  if (HBRUSH brush = backgroundBrush()) {
    POINT origin{0, 0};
    MapWindowPoints(item.hwndItem, GetParent(item.hwndItem), &origin, 1);
    SetBrushOrgEx(item.hDC, -origin.x, -origin.y, nullptr);
    FillRect(item.hDC, &item.rcItem, brush);
  } else {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
  }
}

}  // namespace

AnimatedIcon::AnimatedIcon(int id, int which) : Picture(id), which_(which) {
  registerAnimatedIcon(this);
}

AnimatedIcon::~AnimatedIcon() { unregisterAnimatedIcon(this); }

// The static control is drawn by its window from here on, so frames can be stepped.
void AnimatedIcon::syncToNative() {
  Control::syncToNative();
  LONG_PTR style = GetWindowLongPtrA(hwnd(), GWL_STYLE);
  if ((style & SS_TYPEMASK) != SS_OWNERDRAW)
    SetWindowLongPtrA(hwnd(), GWL_STYLE, (style & ~LONG_PTR(SS_TYPEMASK)) | SS_OWNERDRAW);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

bool AnimatedIcon::draw(const DRAWITEMSTRUCT& item) {
  const RECT& r = item.rcItem;
  fillWithWindowBackground(item);
  HICON animation = searchIcon(which_);
  if (animation) {
    UINT step = searchIconStep();
    if (!DrawIconEx(item.hDC, r.left, r.top, animation, 0, 0, step, nullptr, DI_NORMAL))
      DrawIconEx(item.hDC, r.left, r.top, animation, 0, 0, 0, nullptr, DI_NORMAL);
  } else if (image()) {
    DrawIconEx(item.hDC, r.left, r.top, LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(image())),
               0, 0, 0, nullptr, DI_NORMAL);
  }
  return true;
}

void PaintedPicture::setFrame(int frame) {
  frame_ = frame;
  if (live()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void PaintedPicture::syncToNative() {
  Control::syncToNative();
  LONG_PTR style = GetWindowLongPtrA(hwnd(), GWL_STYLE);
  if ((style & SS_TYPEMASK) != SS_OWNERDRAW)
    SetWindowLongPtrA(hwnd(), GWL_STYLE, (style & ~LONG_PTR(SS_TYPEMASK)) | SS_OWNERDRAW);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

bool PaintedPicture::draw(const DRAWITEMSTRUCT& item) {
  fillWithWindowBackground(item);
  if (onPaint) onPaint(item.hDC, item.rcItem, frame_);
  return true;
}

void StatusBar::setPanels(std::vector<std::string> panels) {
  panels_ = std::move(panels);
  simple_ = false;
  if (live()) syncToNative();
}

void StatusBar::setPanelText(int i, const std::string& t) {
  if (i < 0) return;
  if (static_cast<size_t>(i) >= panels_.size()) panels_.resize(static_cast<size_t>(i) + 1);
  panels_[static_cast<size_t>(i)] = t;
  if (live() && !simple_) SendMessageA(hwnd(), SB_SETTEXTA, i, reinterpret_cast<LPARAM>(t.c_str()));
}

void StatusBar::setSimpleText(const std::string& t) {
  simpleText_ = t;
  simple_ = true;
  if (live()) syncToNative();
}

void StatusBar::syncToNative() {
  ShowWindow(hwnd(), visible() ? SW_SHOWNA : SW_HIDE);
  SendMessageA(hwnd(), SB_SIMPLE, simple_, 0);
  if (simple_) {
    SendMessageA(hwnd(), SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(simpleText_.c_str()));
    return;
  }
  std::vector<int> edges;
  int x = 0;
  for (size_t i = 0; i < panels_.size(); ++i) edges.push_back(x += 200);
  if (!edges.empty()) edges.back() = -1;
  SendMessageA(hwnd(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (size_t i = 0; i < panels_.size(); ++i)
    SendMessageA(hwnd(), SB_SETTEXTA, i, reinterpret_cast<LPARAM>(panels_[i].c_str()));
}

}  // namespace scrubwell::ui
