#include "common/win/window_base.h"

#include "common/win/handles.h"

namespace norvella::win {

WindowBase::~WindowBase() {
  if (hwnd_) {
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    ::DestroyWindow(hwnd_);
  }
}

bool WindowBase::RegisterOnce(const ClassSpec& spec) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  if (::GetClassInfoExW(instance, spec.name, &existing)) return true;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = spec.style;
  wc.lpfnWndProc = &WindowBase::Procedure;
  wc.hInstance = instance;
  wc.hCursor = spec.cursor ? spec.cursor : ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = spec.icon;
  wc.hIconSm = spec.small_icon;
  wc.lpszClassName = spec.name;
  return ::RegisterClassExW(&wc) != 0;
}

bool WindowBase::Create(const wchar_t* class_name, const wchar_t* title, DWORD style,
                        DWORD ex_style, const RECT& bounds, HWND owner) {
  return ::CreateWindowExW(ex_style, class_name, title, style, bounds.left, bounds.top,
                           bounds.right - bounds.left, bounds.bottom - bounds.top, owner, nullptr,
                           ::GetModuleHandleW(nullptr), this) != nullptr;
}

bool WindowBase::HandlePaintMessage(UINT message, WPARAM wparam, LRESULT* result) {
  switch (message) {
    case WM_ERASEBKGND:
      *result = 1;
      return true;
    case WM_PAINT: {
      PaintScope paint(hwnd_);
      Paint(paint.dc());
      *result = 0;
      return true;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wparam));
      *result = 0;
      return true;
    default:
      return false;
  }
}

WindowBase* WindowBase::FromHandle(HWND hwnd) {
  return reinterpret_cast<WindowBase*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK WindowBase::Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  WindowBase* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->hwnd_ = hwnd;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = FromHandle(hwnd);
  }
  if (!self) return ::DefWindowProcW(hwnd, message, wparam, lparam);

  LRESULT result = 0;
  try {
    result = self->HandleMessage(message, wparam, lparam);
  } catch (...) {
    result = ::DefWindowProcW(hwnd, message, wparam, lparam);
  }
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
  return result;
}

}  // namespace norvella::win
