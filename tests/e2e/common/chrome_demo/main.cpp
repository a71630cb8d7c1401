// ChromeDemo: a test program of the skinned window chrome. A main skinned window with a pure-blue
// and a blue-254 swatch on its background, two offset picture buttons that count their actions
// (one with the hand cursor) and a button that hands over to a second skinned window; beneath
// both, a plain window that counts the clicks that pass through the colour key. The windows
// answer the end-to-end test's questions (demo_protocol.h).
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <functional>
#include <string>

#include "common/skinned_chrome.h"
#include "common/win/dpi.h"
#include "common/win/handles.h"
#include "common/win/skinned_window.h"
#include "common/win/wide.h"
#include "common/win/window_base.h"
#include "tests/e2e/common/chrome_demo/demo_protocol.h"

namespace norvella::chrome_demo {
namespace {

using win::SkinnedWindow;

ImageButton OffsetButton(TwipRect place, std::u16string_view tip, bool hand) {
  ImageButton b;
  b.place = place;
  b.press = PressStyle::Offset;
  b.tool_tip = std::u16string(tip);
  b.hand_cursor = hand;
  return b;
}

// A page of the demo: its buttons count their actions; what its switch button and its close
// button do is up to the program.
class DemoPage final : public SkinnedChrome {
 public:
  DemoPage(ChromeView& view, std::function<void()> on_close, std::function<void()> on_switch)
      : SkinnedChrome(view), on_close_(std::move(on_close)), on_switch_(std::move(on_switch)) {}

  int action_count(Id id) const {
    return id >= 0 && id < static_cast<Id>(counts_.size()) ? counts_[static_cast<size_t>(id)] : 0;
  }
  Id switch_button = -1;

 private:
  void OnAction(Id id, MouseButton) override {
    if (id >= 0 && id < static_cast<Id>(counts_.size())) ++counts_[static_cast<size_t>(id)];
    if (id == switch_button) on_switch_();
  }
  void OnClose() override {
    ++counts_[static_cast<size_t>(close())];
    on_close_();
  }

  std::function<void()> on_close_;
  std::function<void()> on_switch_;
  std::array<int, 8> counts_{};
};

// A skinned window of the demo: the chrome, plus the answers to the test's questions.
class DemoWindow final : public SkinnedWindow {
 public:
  explicit DemoWindow(const wchar_t* page_text) : page_text_(page_text) {}
  void Attach(DemoPage& page) { page_ = &page; }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override {
    switch (message) {
      case kAskActions:
        return page_->action_count(static_cast<int>(wparam));
      case kAskLook: {
        const auto id = static_cast<int>(wparam);
        if (id < 0 || id >= page_->buttons().size()) return 0;
        const ImageButton& b = page_->buttons()[id];
        return (b.normal_visible ? kNormalShows : 0) | (b.hot_visible ? kHotShows : 0) |
               (b.pressed ? kPressed : 0);
      }
      case kAskPresses:
        return presses_;
      case kAskReleases:
        return releases_;
      case kAskHandShown:
        return layer().hand() && ::GetCursor() == layer().hand() ? 1 : 0;
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_MBUTTONDOWN:
        ++presses_;
        break;
      case WM_LBUTTONUP:
      case WM_RBUTTONUP:
      case WM_MBUTTONUP:
        ++releases_;
        break;
    }
    return SkinnedWindow::HandleMessage(message, wparam, lparam);
  }

  // The second window writes what it is over the swatches of the shared background.
  void PaintPage(HDC dc) const override {
    if (!page_text_) return;
    const RECT panel = win::ToPixelRect({420, 1320, 6630, 2940});
    win::UniqueBrush white(::CreateSolidBrush(RGB(255, 255, 255)));
    win::UniqueBrush border(::CreateSolidBrush(RGB(140, 155, 176)));
    ::FillRect(dc, &panel, white.get());
    ::FrameRect(dc, &panel, border.get());
    win::UniqueFont font(::CreateFontW(-win::ToPixels(270), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                       CLEARTYPE_QUALITY, DEFAULT_PITCH, L"微软雅黑"));
    win::SelectedObject selected(dc, font.get());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(29, 53, 87));
    RECT text = win::ToPixelRect({840, 1650, 5790, 2250});
    ::DrawTextW(dc, page_text_, -1, &text, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  }

  DemoPage* page_ = nullptr;
  const wchar_t* page_text_;
  int presses_ = 0;
  int releases_ = 0;
};

// The plain window beneath: a striped sheet that counts the clicks reaching it. It never takes
// the activation, so a click on it leaves the skinned windows in front.
class BelowWindow final : public win::WindowBase {
 public:
  bool Create() {
    constexpr wchar_t kClass[] = L"ChromeDemo.Below";
    if (!RegisterOnce({kClass})) return false;
    const RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    return WindowBase::Create(kClass, kBelowCaption, WS_POPUP, WS_EX_NOACTIVATE, screen, nullptr);
  }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override {
    switch (message) {
      case kAskClicks:
        return clicks_;
      case kAskLastClick:
        return last_click_;
      case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
      case WM_LBUTTONDOWN: {
        ++clicks_;
        POINT p{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
        ::ClientToScreen(hwnd(), &p);
        last_click_ = MAKELONG(p.x, p.y);
        return 0;
      }
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT: {
        win::PaintScope paint(hwnd());
        Paint(paint.dc());
        return 0;
      }
    }
    return DefaultHandler(message, wparam, lparam);
  }

  void Paint(HDC dc) const {
    RECT r{};
    ::GetClientRect(hwnd(), &r);
    win::UniqueBrush sheet(::CreateSolidBrush(RGB(236, 226, 200)));
    ::FillRect(dc, &r, sheet.get());
    win::UniqueBrush stripe(::CreateHatchBrush(HS_BDIAGONAL, RGB(196, 172, 120)));
    ::SetBkMode(dc, TRANSPARENT);
    ::FillRect(dc, &r, stripe.get());
    win::UniqueFont font(::CreateFontW(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                       DEFAULT_PITCH, L"微软雅黑"));
    win::SelectedObject selected(dc, font.get());
    ::SetTextColor(dc, RGB(120, 86, 30));
    RECT text = r;
    text.top = 16;
    ::DrawTextW(dc, L"下层窗口：透过镂空处的点击落在这里", -1, &text, DT_CENTER | DT_SINGLELINE);
  }

  int clicks_ = 0;
  LPARAM last_click_ = 0;
};

class DemoProgram {
 public:
  DemoProgram()
      : main_(nullptr),
        second_(L"第二个窗口。把它拖到别处，再点“返回”：主窗口出现在同一位置。"),
        main_page_(main_, [] { ::PostQuitMessage(0); }, [this] { HandOver(main_, second_); }),
        second_page_(second_, [this] { HandOver(second_, main_); },
                     [this] { HandOver(second_, main_); }) {}
  DemoProgram(const DemoProgram&) = delete;
  DemoProgram& operator=(const DemoProgram&) = delete;
  // The windows go while their pages still answer their last messages.
  ~DemoProgram() {
    if (main_.hwnd()) ::DestroyWindow(main_.hwnd());
    if (second_.hwnd()) ::DestroyWindow(second_.hwnd());
  }

  bool Start() {
    if (!below_.Create()) return false;
    ::ShowWindow(below_.hwnd(), SW_SHOWNOACTIVATE);

    ImageButtonSet& b = main_page_.buttons();
    const auto hand = b.Add(OffsetButton(kHandButtonPlace, u"手形光标的按钮", true));
    const auto arrow = b.Add(OffsetButton(kArrowButtonPlace, u"标准箭头的按钮", false));
    main_page_.switch_button = b.Add(OffsetButton(kSwitchButtonPlace, u"切换到第二个窗口", true));
    second_page_.switch_button =
        second_page_.buttons().Add(OffsetButton(kBackButtonPlace, u"回到主窗口", true));
    if (hand != kHandButton || arrow != kArrowButton || main_page_.switch_button != kSwitchButton ||
        second_page_.switch_button != kBackButton)
      return false;

    main_.Attach(main_page_);
    second_.Attach(second_page_);
    if (!main_.Create(main_page_, win::FromWide(kMainCaption), L"demo_back") ||
        !second_.Create(second_page_, win::FromWide(kSecondCaption), L"demo_back"))
      return false;
    main_.layer().SetPictures(kHandButton, L"HandBtn", L"HandBtn2");
    main_.layer().SetPictures(kArrowButton, L"ArrowBtn", L"ArrowBtn2");
    main_.layer().SetPictures(kSwitchButton, L"Switch", L"Switch2");
    second_.layer().SetPictures(kBackButton, L"Back", L"Back2");
    main_.PicturesChanged();
    second_.PicturesChanged();
    main_.Show();
    return true;
  }

 private:
  BelowWindow below_;
  DemoWindow main_;
  DemoWindow second_;
  DemoPage main_page_;
  DemoPage second_page_;
};

}  // namespace
}  // namespace norvella::chrome_demo

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&controls);

  norvella::chrome_demo::DemoProgram program;
  if (!program.Start()) return 1;
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
