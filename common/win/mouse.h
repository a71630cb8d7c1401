#pragma once
// Mouse messages as the models take them: which button, and where in the window, in twips.
#include <windows.h>

#include "common/geometry.h"
#include "common/image_button.h"
#include "common/win/dpi.h"

namespace norvella::win {

inline MouseButton MouseButtonOf(UINT message) {
  switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_RBUTTONUP: return MouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_MBUTTONUP: return MouseButton::Middle;
    default: return MouseButton::Left;
  }
}

// The client point of a mouse message (signed: a captured pointer may be left of or above the
// window).
inline TwipPoint ClientTwips(LPARAM lparam) {
  return {ToTwips(static_cast<short>(LOWORD(lparam))), ToTwips(static_cast<short>(HIWORD(lparam)))};
}

}  // namespace norvella::win
