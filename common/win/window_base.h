#pragma once
// One C++ object per window: the shared window procedure attaches the object at WM_NCCREATE,
// forwards every message to HandleMessage and detaches at WM_NCDESTROY. Nothing thrown by a
// handler leaves the window procedure.
#include <windows.h>

namespace norvella::win {

class WindowBase {
 public:
  WindowBase() = default;
  WindowBase(const WindowBase&) = delete;
  WindowBase& operator=(const WindowBase&) = delete;
  virtual ~WindowBase();

  HWND hwnd() const { return hwnd_; }

 protected:
  struct ClassSpec {
    const wchar_t* name;
    UINT style = 0;
    HCURSOR cursor = nullptr;  // nullptr: the arrow
    HICON icon = nullptr;
    HICON small_icon = nullptr;
  };
  // Registers the class once per process (later calls with the same name do nothing).
  static bool RegisterOnce(const ClassSpec& spec);

  // Creates the window with this object attached; false when creation failed.
  bool Create(const wchar_t* class_name, const wchar_t* title, DWORD style, DWORD ex_style,
              const RECT& bounds, HWND owner);

  // Windows that draw their whole client area: WM_PAINT and WM_PRINTCLIENT (a picture of a
  // covered window) both draw through Paint, and WM_ERASEBKGND erases nothing first. True when
  // `message` was one of the three.
  bool HandlePaintMessage(UINT message, WPARAM wparam, LRESULT* result);
  virtual void Paint(HDC) const {}

  // Messages not handled return DefaultHandler(...).
  virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) = 0;
  LRESULT DefaultHandler(UINT message, WPARAM wparam, LPARAM lparam) {
    return ::DefWindowProcW(hwnd_, message, wparam, lparam);
  }

  // The object attached to a window of one of our classes, or nullptr.
  static WindowBase* FromHandle(HWND hwnd);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

  HWND hwnd_ = nullptr;
};

}  // namespace norvella::win
