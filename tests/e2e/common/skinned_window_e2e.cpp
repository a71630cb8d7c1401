// The skinned window chrome under Wine, through the ChromeDemo program: the colour key cut-out,
// dragging by the background, press feedback, the close and minimise pair, the hand cursor and
// the hand-over between two full-size windows.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/e2e/common/chrome_demo/demo_protocol.h"
#include "tests/e2e/harness/harness.h"

namespace norvella::e2e {
namespace {

using namespace norvella::chrome_demo;

constexpr TwipRect kClosePlace{9720, 20, 345, 315};
constexpr TwipRect kMinimisePlace{9360, 20, 345, 315};
constexpr int kCloseId = 0;
constexpr int kMinimiseId = 1;

TwipPoint Centre(const TwipRect& r) { return {r.left + r.width / 2, r.top + r.height / 2}; }

constexpr wchar_t kXdotool[] = L"Z:\\usr\\bin\\xdotool";

// A left click as the X server delivers it, through xdotool (Wine starts Unix programs too, and
// does not wait for them: the caller waits for the click's effect). Input given with SendInput
// is routed by Wine's own window tree, which knows nothing of a colour key; a click from the X
// server lands on the window that the key's cut-out leaves under the pointer, as on Windows.
bool XClick(POINT p) {
  std::wstring command = L"xdotool mousemove " + std::to_wstring(p.x) + L" " +
                         std::to_wstring(p.y) + L" click 1";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!::CreateProcessW(kXdotool, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &si, &pi))
    return false;
  const win::UniqueHandle process(pi.hProcess);
  const win::UniqueHandle thread(pi.hThread);
  return true;
}

class SkinnedWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* demo = std::getenv("NORVELLA_CHROME_DEMO");
    ASSERT_NE(demo, nullptr) << "NORVELLA_CHROME_DEMO names the demo program";
    ParkPointer();
    program_ = Program::Start(WindowsPathOf(demo));
    ASSERT_TRUE(program_.started());
    main_ = WaitForWindow(program_.pid(), kMainCaption);
    ASSERT_NE(main_, nullptr) << "the demo window did not appear; exit code " << program_.ExitCode();
    below_ = WaitForWindow(program_.pid(), kBelowCaption);
    ASSERT_NE(below_, nullptr);
    second_ = FindWindowOf(program_.pid(), kSecondCaption, false);
    ASSERT_NE(second_, nullptr);
  }
  void TearDown() override { program_.Kill(); }

  static LRESULT Ask(HWND window, UINT question, WPARAM about = 0) {
    return ::SendMessageW(window, question, about, 0);
  }
  // A point of a window, given in twips from its top-left corner, in screen pixels.
  static POINT At(HWND window, TwipPoint p) {
    const RECT r = ReadWindow(window).rect;
    return {r.left + Px(p.x), r.top + Px(p.y)};
  }
  static POINT TopLeft(HWND window) {
    const RECT r = ReadWindow(window).rect;
    return {r.left, r.top};
  }
  static bool Shows(HWND window, int id, LRESULT look) { return Ask(window, kAskLook, id) == look; }

  void MoveTo(POINT p) { MoveMouse(p.x, p.y); }
  // Moves onto a button and waits for its hot picture.
  void HoverOn(HWND window, int id, TwipPoint where) {
    MoveTo(At(window, where));
    ASSERT_TRUE(WaitUntil([&] { return Shows(window, id, kHotShows); })) << "button " << id;
  }
  void ClickButton(HWND window, int id, TwipPoint where) {
    HoverOn(window, id, where);
    const POINT p = At(window, where);
    const LRESULT releases = Ask(window, kAskReleases);
    Click(p.x, p.y);
    ASSERT_TRUE(WaitUntil([&] { return Ask(window, kAskReleases) == releases + 1; }));
  }
  // Presses a button of the mouse on the plain background, moves the pointer by (dx, dy) in
  // steps, releases, and waits until the window has seen the release or has moved.
  void DragBackground(HWND window, int dx, int dy, DWORD down, DWORD up) {
    const POINT from = At(window, Centre(kPlainBackground));
    const POINT before = TopLeft(window);
    const LRESULT releases = Ask(window, kAskReleases);
    MoveTo(from);
    MouseDown(from.x, from.y, down);
    for (int step = 1; step <= 4; ++step) MoveMouse(from.x + dx * step / 4, from.y + dy * step / 4);
    MouseUp(from.x + dx, from.y + dy, up);
    ASSERT_TRUE(WaitUntil([&] {
      const POINT now = TopLeft(window);
      return Ask(window, kAskReleases) > releases || now.x != before.x || now.y != before.y;
    }));
  }

  Program program_;
  HWND main_ = nullptr;
  HWND below_ = nullptr;
  HWND second_ = nullptr;
};

TEST_F(SkinnedWindowTest, ABorderlessColourKeyedWindowCentredOnTheScreen) {
  const WindowState w = ReadWindow(main_);
  EXPECT_EQ(w.rect.right - w.rect.left, 680);
  EXPECT_EQ(w.rect.bottom - w.rect.top, 450);
  EXPECT_EQ(w.rect.left, (1024 - 680) / 2);
  EXPECT_EQ(w.rect.top, (768 - 450) / 2);
  const LONG_PTR style = ::GetWindowLongPtrW(main_, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
  EXPECT_TRUE(w.ex_style & WS_EX_APPWINDOW) << "the caption shows on the taskbar";
  ASSERT_TRUE(w.ex_style & WS_EX_LAYERED);
  COLORREF key = 0;
  DWORD flags = 0;
  ASSERT_TRUE(::GetLayeredWindowAttributes(main_, &key, nullptr, &flags));
  EXPECT_EQ(key, RGB(0, 0, 255));
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY));
  EXPECT_FALSE(ReadWindow(second_).visible) << "the second window waits for the hand-over";
}

TEST_F(SkinnedWindowTest, PureBluePixelsLetClicksThroughAndBlue254DoesNot) {
  const RECT r = ReadWindow(main_).rect;
  const struct {
    const char* where;
    POINT point;
    bool passes;
  } cases[] = {
      {"pure-blue swatch", At(main_, Centre(kPureBlueArea)), true},
      {"blue-254 swatch", At(main_, Centre(kBlue254Area)), false},
      {"top-left corner pixel", {r.left, r.top}, true},
      {"third pixel of the top row", {r.left + 2, r.top}, false},
      {"bottom-right corner pixel", {r.right - 1, r.bottom - 1}, true},
      {"second pixel of the second-last row", {r.left + 1, r.bottom - 2}, false},
      {"plain background", At(main_, Centre(kPlainBackground)), false},
  };
  ASSERT_NE(::GetFileAttributesW(kXdotool), INVALID_FILE_ATTRIBUTES)
      << "clicks that pass through a colour key need X input: apt-get install xdotool";
  for (const auto& c : cases) {
    const LRESULT below_before = Ask(below_, kAskClicks);
    const LRESULT main_before = Ask(main_, kAskPresses);
    ASSERT_TRUE(XClick(c.point)) << c.where;
    if (c.passes) {
      ASSERT_TRUE(WaitUntil([&] { return Ask(below_, kAskClicks) == below_before + 1; }))
          << c.where << "; presses the skinned window received: "
          << Ask(main_, kAskPresses) - main_before;
      EXPECT_EQ(Ask(below_, kAskLastClick), MAKELONG(c.point.x, c.point.y)) << c.where;
      EXPECT_EQ(Ask(main_, kAskPresses), main_before) << c.where;
    } else {
      ASSERT_TRUE(WaitUntil([&] { return Ask(main_, kAskPresses) == main_before + 1; })) << c.where;
      EXPECT_EQ(Ask(below_, kAskClicks), below_before) << c.where;
    }
    EXPECT_EQ(TopLeft(main_).x, r.left) << c.where << ": a click without moving moves nothing";
  }
  bool main_above_below = false;
  for (HWND h = ::GetWindow(below_, GW_HWNDPREV); h; h = ::GetWindow(h, GW_HWNDPREV))
    main_above_below = main_above_below || h == main_;
  EXPECT_TRUE(main_above_below) << "the window below never came to the front";
}

TEST_F(SkinnedWindowTest, ALeftDragMovesTheWindowRightAndMiddleDragsDoNot) {
  const POINT start = TopLeft(main_);
  DragBackground(main_, 60, 40, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  EXPECT_EQ(TopLeft(main_).x, start.x);
  EXPECT_EQ(TopLeft(main_).y, start.y);
  DragBackground(main_, 60, 40, MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
  EXPECT_EQ(TopLeft(main_).x, start.x);
  EXPECT_EQ(TopLeft(main_).y, start.y);

  DragBackground(main_, 60, 40, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(WaitUntil([&] { return TopLeft(main_).x == start.x + 60 && TopLeft(main_).y == start.y + 40; }))
      << "now at " << TopLeft(main_).x << ", " << TopLeft(main_).y;
  // Anywhere on the background: here the blue-254 swatch.
  const POINT swatch = At(main_, Centre(kBlue254Area));
  MoveTo(swatch);
  MouseDown(swatch.x, swatch.y);
  for (int step = 1; step <= 4; ++step) MoveMouse(swatch.x - 25 * step, swatch.y - 10 * step);
  MouseUp(swatch.x - 100, swatch.y - 40);
  EXPECT_TRUE(WaitUntil([&] { return TopLeft(main_).x == start.x - 40 && TopLeft(main_).y == start.y; }))
      << "now at " << TopLeft(main_).x << ", " << TopLeft(main_).y;
}

TEST_F(SkinnedWindowTest, PressMoveOutAndReleaseReturnsThePictureWithoutTheAction) {
  const TwipPoint on_button = Centre(kHandButtonPlace);
  for (const TwipPoint release_at : {Centre(kPlainBackground), TwipPoint{-1500, 3000}}) {
    HoverOn(main_, kHandButton, on_button);
    const POINT p = At(main_, on_button);
    MouseDown(p.x, p.y);
    ASSERT_TRUE(WaitUntil([&] { return Shows(main_, kHandButton, kHotShows | kPressed); }));
    const POINT out = At(main_, release_at);
    MoveTo(out);
    EXPECT_TRUE(Shows(main_, kHandButton, kHotShows | kPressed)) << "held while outside";
    MouseUp(out.x, out.y);
    ASSERT_TRUE(WaitUntil([&] { return !(Ask(main_, kAskLook, kHandButton) & kPressed); }));
    EXPECT_EQ(Ask(main_, kAskActions, kHandButton), 0);
  }
  EXPECT_EQ(TopLeft(main_).x, (1024 - 680) / 2) << "no press on a picture drags the window";

  // The same button clicked in place runs its action once; the other button is untouched.
  ClickButton(main_, kHandButton, on_button);
  EXPECT_EQ(Ask(main_, kAskActions, kHandButton), 1);
  EXPECT_EQ(Ask(main_, kAskActions, kArrowButton), 0);
  ClickButton(main_, kArrowButton, Centre(kArrowButtonPlace));
  EXPECT_EQ(Ask(main_, kAskActions, kArrowButton), 1);
  // A right click is a press and a release, not a click.
  const POINT arrow = At(main_, Centre(kArrowButtonPlace));
  const LRESULT releases = Ask(main_, kAskReleases);
  MouseDown(arrow.x, arrow.y, MOUSEEVENTF_RIGHTDOWN);
  MouseUp(arrow.x, arrow.y, MOUSEEVENTF_RIGHTUP);
  ASSERT_TRUE(WaitUntil([&] { return Ask(main_, kAskReleases) == releases + 1; }));
  EXPECT_EQ(Ask(main_, kAskActions, kArrowButton), 1);
}

TEST_F(SkinnedWindowTest, PointerFromCloseStraightOntoMinimise) {
  HoverOn(main_, kCloseId, Centre(kClosePlace));
  Screenshot("skinned_window_close_hot");
  EXPECT_TRUE(Shows(main_, kMinimiseId, kNormalShows));

  MoveTo(At(main_, Centre(kMinimisePlace)));
  ASSERT_TRUE(WaitUntil([&] { return Shows(main_, kMinimiseId, kHotShows); }));
  EXPECT_TRUE(Shows(main_, kCloseId, kNormalShows)) << "close is back to normal";

  MoveTo(At(main_, Centre(kClosePlace)));
  ASSERT_TRUE(WaitUntil([&] { return Shows(main_, kCloseId, kHotShows); }));
  EXPECT_TRUE(Shows(main_, kMinimiseId, kNormalShows));

  // From close onto a picture button: close stays hot until the pointer crosses the background.
  HoverOn(main_, kSwitchButton, Centre(kSwitchButtonPlace));
  EXPECT_TRUE(Shows(main_, kCloseId, kHotShows));
  MoveTo(At(main_, Centre(kPlainBackground)));
  ASSERT_TRUE(WaitUntil([&] { return Shows(main_, kCloseId, kNormalShows); }));
  EXPECT_TRUE(Shows(main_, kSwitchButton, kNormalShows));
}

TEST_F(SkinnedWindowTest, TheHandCursorIsATwoColourPointingHandWithItsHotSpotAtTheFingertip) {
  const char* demo = std::getenv("NORVELLA_CHROME_DEMO");
  ASSERT_NE(demo, nullptr);
  struct ModuleTraits {
    using Handle = HMODULE;
    static Handle Empty() { return nullptr; }
    static void Close(Handle h) { ::FreeLibrary(h); }
  };
  const win::Unique<ModuleTraits> module(
      ::LoadLibraryExW(WindowsPathOf(demo).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  ASSERT_TRUE(module);
  const win::UniqueCursor cursor(
      static_cast<HCURSOR>(::LoadImageW(module.get(), L"CUR_HAND", IMAGE_CURSOR, 0, 0, 0)));
  ASSERT_TRUE(cursor);
  ICONINFO info{};
  ASSERT_TRUE(::GetIconInfo(cursor.get(), &info));
  const win::UniqueBitmap mask(info.hbmMask);
  const win::UniqueBitmap colour(info.hbmColor);
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 5u);
  EXPECT_EQ(info.yHotspot, 0u);
  EXPECT_FALSE(colour) << "two colours: the cursor has masks only";
  ASSERT_TRUE(mask);
  BITMAP bm{};
  ASSERT_TRUE(::GetObjectW(mask.get(), sizeof bm, &bm));
  ASSERT_EQ(bm.bmWidth, 32);
  ASSERT_EQ(bm.bmHeight, 64) << "the AND mask above the XOR mask";

  // Both masks as one bit a pixel, top row first.
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[2];
  } bits_info{};
  bits_info.header.biSize = sizeof(BITMAPINFOHEADER);
  bits_info.header.biWidth = 32;
  bits_info.header.biHeight = -64;
  bits_info.header.biPlanes = 1;
  bits_info.header.biBitCount = 1;
  std::vector<unsigned char> bits(64 * 4);
  win::WindowDc screen(nullptr);
  ASSERT_EQ(::GetDIBits(screen.get(), mask.get(), 0, 64, bits.data(),
                        reinterpret_cast<BITMAPINFO*>(&bits_info), DIB_RGB_COLORS),
            64);
  const auto bit = [&](int x, int y) { return (bits[static_cast<size_t>(y * 4 + x / 8)] >> (7 - x % 8)) & 1; };
  // AND 1, XOR 0: transparent; AND 0: black (XOR 0) or white (XOR 1); AND 1, XOR 1 would invert.
  enum Kind { kTransparent, kBlack, kWhite, kInverted };
  const auto kind = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= 32 || y >= 32) return kTransparent;
    const int and_bit = bit(x, y), xor_bit = bit(x, y + 32);
    if (and_bit) return xor_bit ? kInverted : kTransparent;
    return xor_bit ? kWhite : kBlack;
  };
  int counts[4] = {};
  int white_touching_outside = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      ++counts[kind(x, y)];
      if (kind(x, y) != kWhite) continue;
      for (const POINT n : {POINT{x - 1, y}, POINT{x + 1, y}, POINT{x, y - 1}, POINT{x, y + 1}})
        if (kind(n.x, n.y) == kTransparent) ++white_touching_outside;
    }
  }
  EXPECT_EQ(kind(5, 0), kBlack) << "the fingertip is drawn at the hot spot";
  EXPECT_EQ(kind(0, 0), kTransparent);
  EXPECT_EQ(counts[kInverted], 0);
  EXPECT_GT(counts[kWhite], 100) << "a white hand";
  EXPECT_GT(counts[kBlack], 50);
  EXPECT_GT(counts[kTransparent], 32 * 32 / 2);
  EXPECT_EQ(white_touching_outside, 0) << "the black outline closes the white fill";

  // On screen: the hand over the button that asks for it, the arrow elsewhere.
  HoverOn(main_, kHandButton, Centre(kHandButtonPlace));
  EXPECT_TRUE(WaitUntil([&] { return Ask(main_, kAskHandShown) == 1; }));
  HoverOn(main_, kArrowButton, Centre(kArrowButtonPlace));
  EXPECT_TRUE(WaitUntil([&] { return Ask(main_, kAskHandShown) == 0; }));
  HoverOn(main_, kHandButton, Centre(kHandButtonPlace));
  EXPECT_TRUE(WaitUntil([&] { return Ask(main_, kAskHandShown) == 1; }));
  HoverOn(main_, kCloseId, Centre(kClosePlace));
  EXPECT_TRUE(WaitUntil([&] { return Ask(main_, kAskHandShown) == 0; })) << "the pair keeps the arrow";
}

// The visible tool tip window of a process, if any.
HWND VisibleToolTip(DWORD pid) {
  struct Search {
    DWORD pid;
    HWND found = nullptr;
  } search{pid};
  ::EnumWindows(
      [](HWND hwnd, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        ::GetWindowThreadProcessId(hwnd, &owner);
        wchar_t name[64] = {};
        ::GetClassNameW(hwnd, name, 64);
        if (owner != s->pid || !::IsWindowVisible(hwnd) || std::wstring(name) != TOOLTIPS_CLASSW)
          return TRUE;
        s->found = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

TEST_F(SkinnedWindowTest, TheHotPictureShowsItsToolTip) {
  HoverOn(main_, kSwitchButton, Centre(kSwitchButtonPlace));
  const POINT p = At(main_, Centre(kSwitchButtonPlace));
  HWND tip = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (tip = VisibleToolTip(program_.pid())) != nullptr; }));
  EXPECT_EQ(WindowText(tip), L"切换到第二个窗口");
  const RECT r = ReadWindow(tip).rect;
  EXPECT_GT(r.bottom, p.y) << "the tip shows by the pointer";
  Screenshot("skinned_window_tool_tip");
  MoveTo(At(main_, Centre(kPlainBackground)));
  EXPECT_TRUE(WaitUntil([&] { return VisibleToolTip(program_.pid()) == nullptr; }));
}

TEST_F(SkinnedWindowTest, MinimiseMinimisesAndCloseEndsTheProgram) {
  HoverOn(main_, kHandButton, Centre(kHandButtonPlace));
  Screenshot("skinned_window_demo");
  ClickButton(main_, kMinimiseId, Centre(kMinimisePlace));
  ASSERT_TRUE(WaitUntil([&] { return ::IsIconic(main_) != FALSE; }));
  EXPECT_TRUE(program_.Running());

  ::ShowWindow(main_, SW_RESTORE);
  ASSERT_TRUE(WaitUntil([&] { return !::IsIconic(main_) && ReadWindow(main_).visible; }));
  HoverOn(main_, kCloseId, Centre(kClosePlace));
  const POINT p = At(main_, Centre(kClosePlace));
  Click(p.x, p.y);
  ASSERT_TRUE(program_.WaitForExit());
  EXPECT_EQ(program_.ExitCode(), 0u);
}

TEST_F(SkinnedWindowTest, HandOverShowsTheOtherWindowWhereThisOneWasDragged) {
  DragBackground(main_, 80, 50, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  const POINT dragged{(1024 - 680) / 2 + 80, (768 - 450) / 2 + 50};
  ASSERT_TRUE(WaitUntil([&] { return TopLeft(main_).x == dragged.x && TopLeft(main_).y == dragged.y; }));

  ClickButton(main_, kSwitchButton, Centre(kSwitchButtonPlace));
  ASSERT_TRUE(WaitUntil([&] { return ReadWindow(second_).visible && !ReadWindow(main_).visible; }));
  EXPECT_EQ(TopLeft(second_).x, dragged.x);
  EXPECT_EQ(TopLeft(second_).y, dragged.y);
  Screenshot("skinned_window_second");

  DragBackground(second_, -120, 30, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  const POINT moved{dragged.x - 120, dragged.y + 30};
  ASSERT_TRUE(WaitUntil([&] { return TopLeft(second_).x == moved.x && TopLeft(second_).y == moved.y; }));
  ClickButton(second_, kBackButton, Centre(kBackButtonPlace));
  ASSERT_TRUE(WaitUntil([&] { return ReadWindow(main_).visible && !ReadWindow(second_).visible; }));
  EXPECT_EQ(TopLeft(main_).x, moved.x);
  EXPECT_EQ(TopLeft(main_).y, moved.y);

  // The second window's close button hands back too; the program keeps running.
  ClickButton(main_, kSwitchButton, Centre(kSwitchButtonPlace));
  ASSERT_TRUE(WaitUntil([&] { return ReadWindow(second_).visible; }));
  ClickButton(second_, kCloseId, Centre(kClosePlace));
  ASSERT_TRUE(WaitUntil([&] { return ReadWindow(main_).visible && !ReadWindow(second_).visible; }));
  EXPECT_EQ(TopLeft(main_).x, moved.x);
  EXPECT_TRUE(program_.Running());
}

}  // namespace
}  // namespace norvella::e2e
