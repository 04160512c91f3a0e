// Base of every window: one object per window, created once at start-up and living until exit.
// The native window is made from the window's dialog template the first time it is shown (or
// when create() is called); until then the window and its controls hold their state alone.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "ui/framework/check_list.h"
#include "ui/framework/controls.h"

namespace scrubwell::ui {

class Window {
 public:
  Window(std::string name, int templateId);
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  const std::string& name() const { return name_; }
  HWND hwnd() const { return hwnd_; }
  bool created() const { return hwnd_ != nullptr; }
  void create();  // makes the native window now, hidden

  void show();
  void hide();
  bool visible() const { return visible_; }
  // Shows the window modally through the prompts seam; returns the result given to endModal.
  int showModal();
  void endModal(int result);
  bool modalRunning() const { return modal_; }

  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& c);
  int width() const { return width_; }
  int height() const { return height_; }
  void setSize(int width, int height);

  // Sets every caption, label and hint from the language's texts (once per run).
  virtual void applyTexts() {}

  // Every window object of the process, in creation order.
  static const std::vector<Window*>& all();
  // Lets the dialog manager handle keyboard navigation for one of our windows; true if consumed.
  static bool preTranslate(MSG& msg);
  // Destroys every native window (at exit).
  static void destroyAll();

 protected:
  // Registers a control of the template; its id is the dialog item id.
  void bind(Control& c);
  void bind(std::initializer_list<Control*> cs);
  // After the native window exists and every bound control is attached.
  virtual void onCreated() {}
  // Each time the window is about to appear (after its native window exists).
  virtual void onShown() {}
  // Commands not handled by a bound control (menu items, IDOK/IDCANCEL); true when handled.
  virtual bool onCommand(int id, int code) { return false; }
  // The close box or Alt+F4; the default hides the window (ends a modal run with IDCANCEL).
  virtual void onClose();
  // Any other message; set handled to true to return the result.
  virtual INT_PTR onMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) { return 0; }
  // The owner of the native window (the main window for all others).
  virtual HWND owner() const;

 private:
  friend class Control;
  // Destroys the native window without letting any of its messages reach this object or its
  // controls, and detaches the controls.
  void destroyNative();
  // A bound control is being destroyed.
  void controlGone(Control& c);

  static INT_PTR CALLBACK dialogProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
  INT_PTR handle(UINT msg, WPARAM wp, LPARAM lp);
  HBRUSH pictureBehind(HWND control, HDC dc) const;
  Control* controlById(int id) const;
  // Shows each control's hint as its tooltip (hints set before the native window exists).
  void showHints();

  std::string name_;
  int templateId_;
  HWND hwnd_ = nullptr;
  bool visible_ = false;
  bool modal_ = false;
  bool modalDone_ = false;
  int modalResult_ = IDCANCEL;
  std::string caption_;
  int width_ = 0, height_ = 0;
  std::vector<Control*> controls_;
};

}  // namespace scrubwell::ui
