// Typed control wrappers that hold their own state (text, checked, items, selection, visible,
// enabled) and mirror it to the native control whenever their window's native window exists.
// Settings are loaded into and saved from these objects, so logic runs without a screen.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace scrubwell::ui {

class Window;

class Control {
 public:
  explicit Control(int id = 0) : id_(id) {}
  // A control bound to a window takes the window's native window down first, so no message
  // reaches a wrapper that is being destroyed.
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  int id() const { return id_; }
  void setId(int id) { id_ = id; }  // for controls held in arrays; before the window is created
  HWND hwnd() const { return hwnd_; }

  const std::string& text() const { return text_; }
  void setText(const std::string& t);
  bool visible() const { return visible_; }
  void setVisible(bool v);
  bool enabled() const { return enabled_; }
  void setEnabled(bool e);
  const std::string& hint() const { return hint_; }
  // Shown as the control's tooltip; set before the window's native window is made.
  void setHint(const std::string& h) { hint_ = h; }

  // Called by the window once its native window exists (or is gone: nullptr).
  void attach(HWND control);
  // A WM_COMMAND notification for this control.
  virtual void handleCommand(int code) {}
  // A WM_NOTIFY for this control; returns the message result.
  virtual LRESULT handleNotify(NMHDR* nm) { return 0; }
  // The mouse pointer moved over the native control (the window forwards WM_SETCURSOR).
  virtual void pointerOver() {}
  // Paints an owner-drawn control (WM_DRAWITEM); true when it did.
  virtual bool draw(const DRAWITEMSTRUCT& item) { return false; }

 protected:
  // Pushes the whole state to the native control (after attach).
  virtual void syncToNative();
  bool live() const { return hwnd_ != nullptr; }
  // True while the wrapper itself sets the native text, so the control's echo is not user input.
  bool pushingText() const { return pushingText_; }

  std::string text_;

 private:
  friend class Window;
  void pushText();

  int id_;
  Window* window_ = nullptr;  // the window the control is bound to
  HWND hwnd_ = nullptr;
  bool pushingText_ = false;
  bool visible_ = true;
  bool enabled_ = true;
  std::string hint_;
};

class Label : public Control {
 public:
  using Control::Control;
  std::function<void()> onClick;  // needs SS_NOTIFY in the template
  void handleCommand(int code) override;
  // Centres the text, or aligns it left; a created label is repainted.
  void setCentred(bool centred);
  // A tool band: the strip along a window's top edge, drawn on the darker band picture.
  bool toolBand() const { return toolBand_; }
  void setToolBand(bool band) { toolBand_ = band; }

 private:
  bool toolBand_ = false;
};

class Button : public Control {
 public:
  using Control::Control;
  std::function<void()> onClick;
  bool clickSound = false;  // plays the framework's click sound when pressed
  void click();  // as if the user pressed it (enabled buttons only)
  void handleCommand(int code) override;
};

class CheckBox : public Control {
 public:
  using Control::Control;
  bool checked() const { return checked_; }
  void setChecked(bool c);  // does not call onChange
  std::function<void()> onChange;  // the user toggled it
  void click();                    // toggles and calls onChange, as a user click would
  void handleCommand(int code) override;

 protected:
  void syncToNative() override;

 private:
  bool checked_ = false;
};

// A list box (or, with the same interface, a drop-down combo box).
class ListBox : public Control {
 public:
  explicit ListBox(int id = 0, bool combo = false) : Control(id), combo_(combo) {}
  int count() const { return static_cast<int>(items_.size()); }
  const std::string& item(int i) const { return items_.at(static_cast<size_t>(i)); }
  const std::vector<std::string>& items() const { return items_; }
  void setItems(std::vector<std::string> items);
  void add(const std::string& s);
  void removeAt(int i);
  void clear();
  int selectedIndex() const { return selected_; }
  void setSelectedIndex(int i);  // -1 for none; out of range selects none
  std::function<void()> onSelect;  // the user changed the selection
  void handleCommand(int code) override;

 protected:
  void syncToNative() override;
  std::vector<std::string> items_;
  int selected_ = -1;

 private:
  bool combo_;
};

class ComboBox : public ListBox {
 public:
  explicit ComboBox(int id = 0) : ListBox(id, true) {}
};

// A list view that reports the row under the pointer (the check list and the owner-data list):
// the window forwards the pointer's moves over the native list, and onRowHover hears of each
// change of row.
class RowHoverList : public Control {
 public:
  using Control::Control;
  std::function<void(int)> onRowHover;  // the pointer moved onto row i (-1: no row)

  void pointerOver() override;
  // Hover tracking at a point in the list's client coordinates: finds the row there (-1 for
  // none, or no native list) and calls onRowHover when it differs from the last one.
  void mouseMovedTo(POINT clientPoint);

 protected:
  // The rows changed: the next move reports its row even where the index is the same.
  void forgetHover() { lastHover_ = -1; }

 private:
  int lastHover_ = -1;
};

// A one-line text field the user types into; what they type is taken back into text().
class EditField : public Control {
 public:
  using Control::Control;
  std::function<void()> onChange;  // the user changed the text (not called for setText)
  void handleCommand(int code) override;
};

// A multi-line text box; lines are joined with CR LF natively.
class Memo : public Control {
 public:
  using Control::Control;
  const std::vector<std::string>& lines() const { return lines_; }
  void setLines(std::vector<std::string> lines);
  void addLine(const std::string& line);
  void clear();
  // Sets the lines from a text split at its line ends (a text meant for a multi-line box).
  void setTextLines(const std::string& text);

 protected:
  void syncToNative() override;

 private:
  std::vector<std::string> lines_;
};

class ProgressBar : public Control {
 public:
  using Control::Control;
  int position() const { return position_; }
  void setPosition(int p);  // 0..maximum
  int maximum() const { return maximum_; }
  void setMaximum(int m);   // 100 unless a run sets another
  // A running animation instead of a position (marquee).
  void setRunning(bool running);

 protected:
  void syncToNative() override;

 private:
  int position_ = 0;
  int maximum_ = 100;
  bool running_ = false;
};

// A picture box showing one of the program's icons or bitmaps by resource id (0: nothing).
class Picture : public Control {
 public:
  using Control::Control;
  int image() const { return image_; }
  void setImage(int resourceId);

 protected:
  void syncToNative() override;

 private:
  int image_ = 0;
};

// One of the two animated search icons (0: the first, 1: the second) of a window that shows the
// search running: it draws the chosen search-icon set's animation, frame by frame, and the
// picture's own icon while no set is loaded.
class AnimatedIcon : public Picture {
 public:
  explicit AnimatedIcon(int id = 0, int which = 0);
  ~AnimatedIcon() override;
  int which() const { return which_; }
  bool draw(const DRAWITEMSTRUCT& item) override;

 protected:
  void syncToNative() override;

 private:
  int which_;
};

// A static control its window paints itself: `onPaint` draws frame `frame()` into the control's
// rectangle; setFrame repaints. Used for pictures drawn in code, such as an animation's frames.
class PaintedPicture : public Control {
 public:
  using Control::Control;
  int frame() const { return frame_; }
  void setFrame(int frame);
  std::function<void(HDC, const RECT&, int frame)> onPaint;
  bool draw(const DRAWITEMSTRUCT& item) override;

 protected:
  void syncToNative() override;

 private:
  int frame_ = 0;
};

// The status bar: several panels, or one simple text.
class StatusBar : public Control {
 public:
  using Control::Control;
  const std::vector<std::string>& panels() const { return panels_; }
  void setPanels(std::vector<std::string> panels);
  void setPanelText(int i, const std::string& t);
  bool simple() const { return simple_; }
  void setSimpleText(const std::string& t);  // switches to a single text
  const std::string& simpleText() const { return simpleText_; }

 protected:
  void syncToNative() override;

 private:
  std::vector<std::string> panels_;
  std::string simpleText_;
  bool simple_ = false;
};

}  // namespace scrubwell::ui
