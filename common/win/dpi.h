#pragma once
// Twips and pixels at the Windows boundary. The programs are system-DPI aware: one DPI for the
// whole screen, read once from the screen's device context.
#include <windows.h>

#include "common/geometry.h"

namespace norvella::win {

int ScreenDpi();  // pixels per logical inch of the screen (96 at 100 %)

inline int ToPixels(int twips) { return TwipsToPixels(twips, ScreenDpi()); }
inline int ToTwips(int pixels) { return PixelsToTwips(pixels, ScreenDpi()); }

RECT ToPixelRect(const TwipRect& r);
TwipRect ToTwipRect(const RECT& r);

// A window's outer rectangle in screen twips.
TwipRect WindowBoundsTwips(HWND hwnd);
// The same, keeping each value of `remembered` (what the program last set) while the window still
// has the pixels it was converted to, so that a width set as 3800 twips reads back as 3800.
TwipRect WindowBoundsTwips(HWND hwnd, const TwipRect& remembered);

}  // namespace norvella::win
