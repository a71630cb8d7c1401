#pragma once
// Move-only owners of Windows handles. Each traits type names the handle, its empty value and
// how it is released.
#include <windows.h>

#include <utility>

namespace norvella::win {

template <typename Traits>
class Unique {
 public:
  using Handle = typename Traits::Handle;

  Unique() = default;
  explicit Unique(Handle h) : handle_(h) {}
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  Unique(Unique&& other) noexcept : handle_(other.release()) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  ~Unique() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::Empty(); }
  Handle release() { return std::exchange(handle_, Traits::Empty()); }
  void reset(Handle h = Traits::Empty()) {
    if (handle_ != Traits::Empty()) Traits::Close(handle_);
    handle_ = h;
  }
  // For the out-parameter of a creating call; releases what was held.
  Handle* put() {
    reset();
    return &handle_;
  }

 private:
  Handle handle_ = Traits::Empty();
};

struct KernelHandleTraits {
  using Handle = HANDLE;
  static Handle Empty() { return nullptr; }
  static void Close(Handle h) { ::CloseHandle(h); }
};
struct FileHandleTraits {
  using Handle = HANDLE;
  static Handle Empty() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { ::CloseHandle(h); }
};
struct RegKeyTraits {
  using Handle = HKEY;
  static Handle Empty() { return nullptr; }
  static void Close(Handle h) { ::RegCloseKey(h); }
};
template <typename T>
struct GdiObjectTraits {
  using Handle = T;
  static Handle Empty() { return nullptr; }
  static void Close(Handle h) { ::DeleteObject(h); }
};
struct IconTraits {
  using Handle = HICON;
  static Handle Empty() { return nullptr; }
  static void Close(Handle h) { ::DestroyIcon(h); }
};
struct CursorTraits {
  using Handle = HCURSOR;
  static Handle Empty() { return nullptr; }
  static void Close(Handle h) { ::DestroyCursor(h); }
};
struct MenuTraits {
  using Handle = HMENU;
  static Handle Empty() { return nullptr; }
  static void Close(Handle h) { ::DestroyMenu(h); }
};
struct WindowTraits {
  using Handle = HWND;
  static Handle Empty() { return nullptr; }
  static void Close(Handle h) { ::DestroyWindow(h); }
};
struct MemoryDcTraits {
  using Handle = HDC;
  static Handle Empty() { return nullptr; }
  static void Close(Handle h) { ::DeleteDC(h); }
};

using UniqueHandle = Unique<KernelHandleTraits>;
using UniqueFile = Unique<FileHandleTraits>;
using UniqueKey = Unique<RegKeyTraits>;
using UniqueFont = Unique<GdiObjectTraits<HFONT>>;
using UniqueBitmap = Unique<GdiObjectTraits<HBITMAP>>;
using UniqueBrush = Unique<GdiObjectTraits<HBRUSH>>;
using UniqueRegion = Unique<GdiObjectTraits<HRGN>>;
using UniqueIcon = Unique<IconTraits>;
using UniqueCursor = Unique<CursorTraits>;
using UniqueMenu = Unique<MenuTraits>;
using UniqueWindow = Unique<WindowTraits>;
using UniqueMemoryDc = Unique<MemoryDcTraits>;

// A device context from GetDC, given back to its window.
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ::ReleaseDC(hwnd_, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// Selects an object into a device context and puts the previous one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() { ::SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// BeginPaint and EndPaint.
class PaintScope {
 public:
  explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { dc_ = ::BeginPaint(hwnd, &ps_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { ::EndPaint(hwnd_, &ps_); }
  HDC dc() const { return dc_; }
  const RECT& area() const { return ps_.rcPaint; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

}  // namespace norvella::win
