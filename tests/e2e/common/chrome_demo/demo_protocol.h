#pragma once
// What the chrome demo program and its end-to-end test agree on: window captions, the places of
// the demo's pictures and areas, and the questions the test may send the windows.
#include <windows.h>

#include "common/geometry.h"

namespace norvella::chrome_demo {

inline constexpr wchar_t kMainCaption[] = L"界面组件演示";
inline constexpr wchar_t kSecondCaption[] = L"界面组件演示 - 第二页";
inline constexpr wchar_t kBelowCaption[] = L"下层窗口";

// Buttons of the main window after the close (0) and minimise (1) pair.
inline constexpr int kHandButton = 2;    // offset press, hand cursor: `HandBtn` / `HandBtn2`
inline constexpr int kArrowButton = 3;   // offset press, standard arrow: `ArrowBtn` / `ArrowBtn2`
inline constexpr int kSwitchButton = 4;  // hands over to the second window: `Switch` / `Switch2`
// The second window's button after its pair: hands back to the main window.
inline constexpr int kBackButton = 2;    // `Back` / `Back2`

inline constexpr TwipRect kHandButtonPlace{7920, 1500, 1695, 720};
inline constexpr TwipRect kArrowButtonPlace{7920, 2340, 1695, 720};
inline constexpr TwipRect kSwitchButtonPlace{7920, 3180, 1695, 720};
inline constexpr TwipRect kBackButtonPlace{7920, 1500, 1695, 720};

// Areas of the background (drawn into it): exactly pure blue, and blue 254.
inline constexpr TwipRect kPureBlueArea{540, 1500, 3000, 1950};
inline constexpr TwipRect kBlue254Area{3900, 1500, 3000, 1950};
// A plain stretch of background to drag by.
inline constexpr TwipRect kPlainBackground{540, 4500, 6360, 900};

// Questions to a skinned window of the demo (SendMessage; the answer is the result).
inline constexpr UINT kAskActions = WM_APP + 1;  // wparam: button id; how often its action ran
inline constexpr UINT kAskLook = WM_APP + 2;     // wparam: button id; the bits below
inline constexpr UINT kAskPresses = WM_APP + 3;   // presses of any button the window received
inline constexpr UINT kAskReleases = WM_APP + 4;  // releases of any button it received
inline constexpr UINT kAskHandShown = WM_APP + 5;  // 1 while the window's cursor is the hand
inline constexpr LRESULT kNormalShows = 1;
inline constexpr LRESULT kHotShows = 2;
inline constexpr LRESULT kPressed = 4;
// Questions to the window below.
inline constexpr UINT kAskClicks = WM_APP + 1;     // left presses it received
inline constexpr UINT kAskLastClick = WM_APP + 2;  // where the last one was: MAKELONG(x, y), screen

}  // namespace norvella::chrome_demo
