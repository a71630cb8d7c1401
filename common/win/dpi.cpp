#include "common/win/dpi.h"

#include "common/win/handles.h"

namespace norvella::win {

int ScreenDpi() {
  static const int dpi = [] {
    WindowDc dc(nullptr);
    const int value = dc.get() ? ::GetDeviceCaps(dc.get(), LOGPIXELSY) : 96;
    return value > 0 ? value : 96;
  }();
  return dpi;
}

RECT ToPixelRect(const TwipRect& r) {
  const int left = ToPixels(r.left);
  const int top = ToPixels(r.top);
  return RECT{left, top, left + ToPixels(r.width), top + ToPixels(r.height)};
}

TwipRect ToTwipRect(const RECT& r) {
  return TwipRect{ToTwips(r.left), ToTwips(r.top), ToTwips(r.right - r.left),
                  ToTwips(r.bottom - r.top)};
}

TwipRect WindowBoundsTwips(HWND hwnd) {
  RECT r{};
  ::GetWindowRect(hwnd, &r);
  return ToTwipRect(r);
}

TwipRect WindowBoundsTwips(HWND hwnd, const TwipRect& remembered) {
  RECT r{};
  ::GetWindowRect(hwnd, &r);
  const int dpi = ScreenDpi();
  return TwipRect{TwipsForPixels(r.left, remembered.left, dpi),
                  TwipsForPixels(r.top, remembered.top, dpi),
                  TwipsForPixels(r.right - r.left, remembered.width, dpi),
                  TwipsForPixels(r.bottom - r.top, remembered.height, dpi)};
}

}  // namespace norvella::win
