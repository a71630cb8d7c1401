#include "practical_note/win/toast_window.h"

#include "common/win/dpi.h"
#include "common/win/wide.h"
#include "practical_note/texts.h"

namespace norvella::practical_note::win {
namespace {

using norvella::win::ToPixels;
using norvella::win::ToTwips;

constexpr wchar_t kClassName[] = L"NorvellaB.Toast";
constexpr UINT kFirstShown = WM_APP + 1;
constexpr int kMessageTop = 30;  // twips

UINT_PTR TimerId(ToastTimer timer) { return static_cast<UINT_PTR>(timer) + 1; }

// "微软雅黑" 10.5 pt.
HFONT CreateMessageFont() {
  LOGFONTW lf{};
  lf.lfHeight = -::MulDiv(105, norvella::win::ScreenDpi(), 720);
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfQuality = CLEARTYPE_QUALITY;
  ::lstrcpynW(lf.lfFaceName, L"微软雅黑", LF_FACESIZE);
  return ::CreateFontIndirectW(&lf);
}

}  // namespace

ToastWindow::ToastWindow(const Screen& screen, std::function<void()> on_first_show)
    : model_(*this, screen), on_first_show_(std::move(on_first_show)) {}

bool ToastWindow::Create() {
  if (!RegisterOnce({kClassName})) return false;
  font_.reset(CreateMessageFont());
  icon_ = norvella::win::Picture::Load(L"toast");
  const RECT design{0, 0, ToPixels(Toast::kDesignSize.width), ToPixels(Toast::kDesignSize.height)};
  if (!WindowBase::Create(kClassName, norvella::win::ToWide(text::kToastTitle).c_str(),
                          WS_POPUP | WS_CLIPCHILDREN,
                          WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_LAYERED, design, nullptr))
    return false;
  // The label `msg`: a static control that sizes itself to its text.
  msg_ = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX | SS_LEFT, 0, 0,
                           0, 0, hwnd(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
  ::SendMessageW(msg_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  SetMessage(text::kLoading);
  PlaceMessage(Toast::kDesignMessageLeft);
  model_.Load();
  return true;
}

void ToastWindow::HideFromTaskList() {
  // A tool window has no taskbar button and stays out of the task switcher.
  const LONG_PTR ex = ::GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
  ::SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, (ex | WS_EX_TOOLWINDOW) & ~WS_EX_APPWINDOW);
}

void ToastWindow::SetBackColour(Colour colour) {
  back_colour_ = colour;
  back_brush_.reset();
  ::InvalidateRect(hwnd(), nullptr, FALSE);
}

void ToastWindow::SetBounds(const TwipRect& bounds) {
  const RECT r = norvella::win::ToPixelRect(bounds);
  ::SetWindowPos(hwnd(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void ToastWindow::ApplyOpacity(int alpha) {
  const LONG_PTR ex = ::GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
  if (!(ex & WS_EX_LAYERED)) ::SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, ex | WS_EX_LAYERED);
  ::SetLayeredWindowAttributes(hwnd(), 0, static_cast<BYTE>(alpha), LWA_ALPHA);
  ::SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ToastWindow::Show() { ::ShowWindow(hwnd(), SW_SHOWNOACTIVATE); }

void ToastWindow::Hide() { ::ShowWindow(hwnd(), SW_HIDE); }

void ToastWindow::SetMessage(std::u16string_view text) {
  const std::wstring wide = norvella::win::ToWide(text);
  norvella::win::WindowDc dc(msg_);
  norvella::win::SelectedObject font(dc.get(), font_.get());
  SIZE size{};
  ::GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
  ::SetWindowTextW(msg_, wide.c_str());
  ::SetWindowPos(msg_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::InvalidateRect(hwnd(), nullptr, FALSE);
}

int ToastWindow::MessageWidth() const {
  RECT r{};
  ::GetWindowRect(msg_, &r);
  return ToTwips(r.right - r.left);
}

void ToastWindow::PlaceMessage(int left) {
  ::SetWindowPos(msg_, nullptr, ToPixels(left), ToPixels(kMessageTop), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ToastWindow::StartTimer(ToastTimer timer) {
  ::SetTimer(hwnd(), TimerId(timer), static_cast<UINT>(IntervalMs(timer)), nullptr);
}

void ToastWindow::StopTimer(ToastTimer timer) { ::KillTimer(hwnd(), TimerId(timer)); }

void ToastWindow::Paint(HDC dc) const {
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  norvella::win::UniqueBrush back(::CreateSolidBrush(back_colour_.bgr));
  ::FillRect(dc, &client, back.get());
  if (icon_) {
    const int left = ToPixels(Toast::kIconLeft);
    const int top = ToPixels(Toast::kIconTop);
    const int size = ToPixels(Toast::kIconSize);
    icon_->Draw(dc, RECT{left, top, left + size, top + size});
  }
}

LRESULT ToastWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (LRESULT result = 0; HandlePaintMessage(message, wparam, &result)) return result;
  switch (message) {
    case WM_SHOWWINDOW:
      if (wparam && model_.TakeFirstShow()) ::PostMessageW(hwnd(), kFirstShown, 0, 0);
      break;
    case kFirstShown:
      ::UpdateWindow(hwnd());  // the loading text is on screen before the note starts
      if (on_first_show_) on_first_show_();
      return 0;
    case WM_TIMER:
      model_.OnTimer(static_cast<ToastTimer>(wparam - 1));
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_CTLCOLORSTATIC: {  // the label is transparent on the toast's background
      const auto dc = reinterpret_cast<HDC>(wparam);
      ::SetBkMode(dc, TRANSPARENT);
      ::SetTextColor(dc, RGB(0, 0, 0));
      if (!back_brush_) back_brush_.reset(::CreateSolidBrush(back_colour_.bgr));
      return reinterpret_cast<LRESULT>(back_brush_.get());
    }
    case WM_CLOSE:
      return 0;  // the toast lives as long as the note
  }
  return DefaultHandler(message, wparam, lparam);
}

}  // namespace norvella::practical_note::win
