#include "common/win/skinned_window.h"

#include "common/win/dpi.h"
#include "common/win/handles.h"
#include "common/win/mouse.h"
#include "common/win/wide.h"

namespace norvella::win {
namespace {

constexpr wchar_t kClassName[] = L"Norvella.Skinned";

}  // namespace

void ApplyColorKey(HWND window, Colour key) {
  const LONG_PTR ex = ::GetWindowLongPtrW(window, GWL_EXSTYLE);
  ::SetWindowLongPtrW(window, GWL_EXSTYLE, ex | WS_EX_LAYERED);
  ::SetLayeredWindowAttributes(window, key.bgr, 255, LWA_COLORKEY);
}

void StartWindowDrag(HWND window) {
  ::ReleaseCapture();
  ::SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

bool SkinnedWindow::Create(SkinnedChrome& chrome, std::u16string_view caption,
                           std::wstring_view background) {
  chrome_ = &chrome;
  layer_.emplace(chrome.buttons());
  background_ = Picture::Load(background);
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  const HICON icon = ::LoadIconW(instance, MAKEINTRESOURCEW(1));  // shared: not destroyed
  if (!RegisterOnce({kClassName, 0, nullptr, icon, icon})) return false;

  const TwipSize screen{ToTwips(::GetSystemMetrics(SM_CXSCREEN)),
                        ToTwips(::GetSystemMetrics(SM_CYSCREEN))};
  const TwipPoint at = CentredOn(screen, kSkinnedWindowSize);
  const RECT bounds = ToPixelRect({at.x, at.y, kSkinnedWindowSize.width, kSkinnedWindowSize.height});
  if (!WindowBase::Create(kClassName, ToWide(caption).c_str(),
                          WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, WS_EX_APPWINDOW,
                          bounds, nullptr))
    return false;
  ApplyColorKey(hwnd(), kColourKey);
  layer_->Create(hwnd());
  layer_->SetPictures(chrome.close(), ToWide(kCloseNormalPicture), ToWide(kCloseHotPicture));
  layer_->SetPictures(chrome.minimise(), ToWide(kMinimiseNormalPicture), ToWide(kMinimiseHotPicture));
  return true;
}

void SkinnedWindow::Show() {
  ::ShowWindow(hwnd(), SW_SHOW);
  ::SetForegroundWindow(hwnd());
}

void SkinnedWindow::StartWindowDrag() { win::StartWindowDrag(hwnd()); }

void SkinnedWindow::Minimise() { ::ShowWindow(hwnd(), SW_MINIMIZE); }

void SkinnedWindow::PicturesChanged() {
  ::InvalidateRect(hwnd(), nullptr, FALSE);
  layer_->UpdateToolTips();
  // A hot picture that just swapped in under a still pointer brings its cursor at once, not at
  // the pointer's next move.
  POINT p{};
  ::GetCursorPos(&p);
  if (::WindowFromPoint(p) == hwnd()) SetCursorFor(p);
}

void SkinnedWindow::SetCursorFor(POINT screen_point) const {
  ::ScreenToClient(hwnd(), &screen_point);
  const HCURSOR hand = layer_->CursorAt({ToTwips(screen_point.x), ToTwips(screen_point.y)});
  ::SetCursor(hand ? hand : ::LoadCursorW(nullptr, IDC_ARROW));
}

TwipPoint SkinnedWindow::Position() const {
  RECT r{};
  ::GetWindowRect(hwnd(), &r);
  return {ToTwips(r.left), ToTwips(r.top)};
}

void SkinnedWindow::ShowAt(TwipPoint top_left) {
  // Placed first, then shown: it never flashes up where it was before.
  ::SetWindowPos(hwnd(), HWND_TOP, ToPixels(top_left.x), ToPixels(top_left.y), 0, 0,
                 SWP_NOSIZE | SWP_SHOWWINDOW);
  ::SetForegroundWindow(hwnd());
}

void SkinnedWindow::Hide() { ::ShowWindow(hwnd(), SW_HIDE); }

void SkinnedWindow::Paint(HDC dc) const {
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  UniqueMemoryDc memory(::CreateCompatibleDC(dc));
  UniqueBitmap canvas(::CreateCompatibleBitmap(dc, client.right, client.bottom));
  if (!memory || !canvas) return;
  SelectedObject selected(memory.get(), canvas.get());
  UniqueBrush key(::CreateSolidBrush(kColourKey.bgr));
  ::FillRect(memory.get(), &client, key.get());
  if (background_) background_->DrawExact(memory.get(), client);
  layer_->Paint(memory.get());
  PaintPage(memory.get());
  ::BitBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
}

void SkinnedWindow::OnPointerMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  const TwipPoint point = ClientTwips(lparam);
  switch (message) {
    case WM_MOUSEMOVE:
      if (!tracking_leave_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd(), 0};
        tracking_leave_ = ::TrackMouseEvent(&track) != FALSE;
      }
      chrome_->OnPointerMove(point);
      // After the model: a hot picture that swapped in just now has its tool tip already.
      layer_->Relay(message, wparam, lparam);
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      layer_->Relay(message, wparam, lparam);
      ::SetCapture(hwnd());  // the release reaches the pressed picture wherever it happens
      chrome_->OnButtonDown(point, MouseButtonOf(message));
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      layer_->Relay(message, wparam, lparam);
      if (::GetCapture() == hwnd() && !(wparam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)))
        ::ReleaseCapture();
      // Last: the button's action may hand the window over or end the program.
      chrome_->OnButtonUp(point, MouseButtonOf(message));
      break;
  }
}

LRESULT SkinnedWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (LRESULT result = 0; HandlePaintMessage(message, wparam, &result)) return result;
  switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      OnPointerMessage(message, wparam, lparam);
      return 0;
    case WM_MOUSELEAVE:
      tracking_leave_ = false;
      chrome_->OnPointerLeave();
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lparam) == HTCLIENT && reinterpret_cast<HWND>(wparam) == hwnd()) {
        POINT p{};
        ::GetCursorPos(&p);
        SetCursorFor(p);
        return TRUE;
      }
      break;
    case WM_CLOSE:  // Alt+F4 and the taskbar close as the close button does
      chrome_->Close();
      return 0;
  }
  return DefaultHandler(message, wparam, lparam);
}

}  // namespace norvella::win
