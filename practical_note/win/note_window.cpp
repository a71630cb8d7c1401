#include "practical_note/win/note_window.h"

#include <richedit.h>

#include <string>

#include "common/utf.h"
#include "common/win/dpi.h"
#include "common/win/mouse.h"
#include "common/win/wide.h"
#include "practical_note/texts.h"

namespace norvella::practical_note::win {
namespace {

using norvella::win::ToPixels;
using norvella::win::ToTwips;
using norvella::win::ToWide;

constexpr wchar_t kClassName[] = L"NorvellaB.Note";
constexpr int kTextId = 1;
constexpr Colour kGripColour = Colour::FromRgb(40, 40, 45);

UINT_PTR TimerId(NoteTimer timer) { return static_cast<UINT_PTR>(timer) + 1; }

// The rich-text control: Msftedit's, or the older riched20 one where that is missing.
const wchar_t* RichEditClass() {
  static const wchar_t* const name = [] {
    if (::LoadLibraryW(L"Msftedit.dll")) return L"RICHEDIT50W";
    ::LoadLibraryW(L"riched20.dll");
    return L"RichEdit20W";
  }();
  return name;
}

KeyModifiers CurrentModifiers() {
  return {(::GetKeyState(VK_CONTROL) & 0x8000) != 0, (::GetKeyState(VK_SHIFT) & 0x8000) != 0,
          (::GetKeyState(VK_MENU) & 0x8000) != 0};
}

}  // namespace

NoteWindow::NoteWindow(NoteServices services, Toast& toast)
    : model_(*this, std::move(services), toast), buttons_(model_.strip().buttons) {}

bool NoteWindow::Create() {
  if (!RegisterOnce({kClassName, CS_DBLCLKS})) return false;
  mark_picture_ = norvella::win::Picture::Load(ToWide(kMarkPicture));
  requested_bounds_ = {0, 0, kNoteDesignSize.width, kNoteDesignSize.height};
  const RECT design = norvella::win::ToPixelRect(requested_bounds_);
  if (!WindowBase::Create(kClassName, ToWide(text::kNoteTitle).c_str(), WS_POPUP | WS_CLIPCHILDREN,
                          WS_EX_TOOLWINDOW, design, nullptr))
    return false;
  const TwipRect box = model_.text_box();
  const RECT r = norvella::win::ToPixelRect(box);
  text_ = ::CreateWindowExW(0, RichEditClass(), L"",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                                ES_WANTRETURN | ES_NOHIDESEL,
                            r.left, r.top, r.right - r.left, r.bottom - r.top, hwnd(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTextId)),
                            ::GetModuleHandleW(nullptr), nullptr);
  if (!text_) return false;
  ::SendMessageW(text_, EM_SETTEXTMODE, TM_RICHTEXT | TM_MULTILEVELUNDO | TM_MULTICODEPAGE, 0);
  ::SendMessageW(text_, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  ::SendMessageW(text_, EM_SETEVENTMASK, 0, ENM_KEYEVENTS | ENM_MOUSEEVENTS);
  buttons_.Create(hwnd());
  for (int i = 0; i < kButtonCount; ++i) {
    const auto button = static_cast<Button>(i);
    buttons_.SetPictures(Id(button), ToWide(PictureName(button, false)),
                         ToWide(PictureName(button, true)));
  }
  return true;
}

TwipRect NoteWindow::Bounds() const {
  return norvella::win::WindowBoundsTwips(hwnd(), requested_bounds_);
}

void NoteWindow::SetBounds(const TwipRect& bounds) {
  requested_bounds_ = bounds;
  const RECT r = norvella::win::ToPixelRect(bounds);
  ::SetWindowPos(hwnd(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void NoteWindow::SetBackColour(Colour colour) {
  back_colour_ = colour;
  ::InvalidateRect(hwnd(), nullptr, FALSE);
}

void NoteWindow::SetOpacity(int alpha) {
  const LONG_PTR ex = ::GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
  if (!(ex & WS_EX_LAYERED)) ::SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, ex | WS_EX_LAYERED);
  ::SetLayeredWindowAttributes(hwnd(), 0, static_cast<BYTE>(alpha), LWA_ALPHA);
}

void NoteWindow::SetTopmost(bool topmost) {
  ::SetWindowPos(hwnd(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void NoteWindow::ShowNote() {
  if (pending_text_) {
    // The box has its font, colours and size by now: the text is laid out once, in them.
    SETTEXTEX set{ST_DEFAULT, 1200};
    ::SendMessageW(text_, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&set),
                   reinterpret_cast<LPARAM>(pending_text_->c_str()));
    pending_text_.reset();
    PlaceCaretAtEnd();
  }
  ::ShowWindow(hwnd(), SW_SHOW);
  ::SetForegroundWindow(hwnd());
  ::SetFocus(text_);
}

void NoteWindow::BringToFront() {
  ::ShowWindow(hwnd(), SW_SHOW);
  ::SetWindowPos(hwnd(), model_.toggles().front ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE);
  ::SetForegroundWindow(hwnd());
}

void NoteWindow::StartWindowDrag() {
  ::ReleaseCapture();
  ::SendMessageW(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void NoteWindow::ControlsChanged() {
  ::InvalidateRect(hwnd(), nullptr, FALSE);
  buttons_.UpdateToolTips();
}

int NoteWindow::TextLength() const {
  GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
  return static_cast<int>(::SendMessageW(text_, EM_GETTEXTLENGTHEX,
                                         reinterpret_cast<WPARAM>(&length), 0));
}

std::u16string NoteWindow::Text() const {
  if (pending_text_) return norvella::win::FromWide(*pending_text_);
  GETTEXTLENGTHEX length{GTL_USECRLF | GTL_NUMCHARS | GTL_PRECISE, 1200};
  const auto units = static_cast<size_t>(
      ::SendMessageW(text_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
  std::wstring text(units + 1, L'\0');
  GETTEXTEX get{};
  get.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  get.flags = GT_USECRLF;
  get.codepage = 1200;
  const auto copied = static_cast<size_t>(::SendMessageW(
      text_, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get), reinterpret_cast<LPARAM>(text.data())));
  text.resize(copied < text.size() ? copied : text.size() - 1);
  return norvella::win::FromWide(text);
}

void NoteWindow::SetText(std::u16string_view text) {
  const std::wstring wide = ToWide(text);
  if (!::IsWindowVisible(hwnd())) {
    // Before the note is first shown the text waits: laying out a long text in the rich-text
    // box and then re-laying it out for each font, colour and size change of the start sequence
    // would cost more than all the rest of the start.
    pending_text_ = wide;
    return;
  }
  pending_text_.reset();
  SETTEXTEX set{ST_DEFAULT, 1200};
  ::SendMessageW(text_, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&set),
                 reinterpret_cast<LPARAM>(wide.c_str()));
}

void NoteWindow::AppendText(std::u16string_view text) {
  if (text.empty()) return;
  if (pending_text_) {
    *pending_text_ += ToWide(text);
    return;
  }
  PlaceCaretAtEnd();
  const std::wstring wide = ToWide(text);
  ::SendMessageW(text_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
}

std::u16string NoteWindow::SelectedText() const {
  CHARRANGE range{};
  ::SendMessageW(text_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  if (range.cpMax <= range.cpMin) return {};
  std::wstring text(static_cast<size_t>(range.cpMax - range.cpMin) + 1, L'\0');
  const auto copied = static_cast<size_t>(
      ::SendMessageW(text_, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(text.data())));
  text.resize(copied < text.size() ? copied : text.size() - 1);
  return WithCrLf(norvella::win::FromWide(text));
}

void NoteWindow::ReplaceSelection(std::u16string_view text) {
  const std::wstring wide = ToWide(text);
  ::SendMessageW(text_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
}

void NoteWindow::SelectAll() {
  // The text only: the box's closing paragraph mark is not part of it (copied, it would add a
  // line break the user never typed).
  CHARRANGE all{0, TextLength()};
  ::SendMessageW(text_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&all));
}

void NoteWindow::PlaceCaretAtEnd() {
  const LONG end = TextLength();
  CHARRANGE caret{end, end};
  ::SendMessageW(text_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&caret));
  ::SendMessageW(text_, EM_SCROLLCARET, 0, 0);
}

void NoteWindow::SetSelectionColour(Colour colour) {
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_COLOR;
  format.crTextColor = colour.bgr;
  CHARRANGE selection{};
  ::SendMessageW(text_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  // A selection of the whole text also sets the colour of what is typed next.
  if (selection.cpMin == 0 && (selection.cpMax < 0 || selection.cpMax >= TextLength()))
    ::SendMessageW(text_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  ::SendMessageW(text_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

void NoteWindow::SetTextFont(const NoteFont& font) {
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_CHARSET;
  format.yHeight = static_cast<LONG>(font.points * 20 + 0.5);  // twips
  format.bCharSet = DEFAULT_CHARSET;
  format.dwEffects = (font.bold ? CFE_BOLD : 0) | (font.italic ? CFE_ITALIC : 0) |
                     (font.underline ? CFE_UNDERLINE : 0);
  ::lstrcpynW(format.szFaceName, ToWide(font.face).c_str(), LF_FACESIZE);
  ::SendMessageW(text_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  ::SendMessageW(text_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

void NoteWindow::SetTextBackColour(Colour colour) {
  ::SendMessageW(text_, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(colour.bgr));
}

void NoteWindow::PlaceTextBox(const TwipRect& box) {
  const RECT r = norvella::win::ToPixelRect(box);
  ::MoveWindow(text_, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

void NoteWindow::CreateEditMenu() {
  menu_bar_.reset(::CreateMenu());
  edit_menu_ = ::CreatePopupMenu();
  const auto item = [this](UINT id, std::u16string_view caption) {
    ::AppendMenuW(edit_menu_, MF_STRING, id, ToWide(caption).c_str());
  };
  const auto separator = [this](UINT id) { ::AppendMenuW(edit_menu_, MF_SEPARATOR, id, nullptr); };
  item(kCmdPaste, text::kMenuPaste);
  separator(301);
  item(kCmdCopy, text::kMenuCopy);
  item(kCmdCut, text::kMenuCut);
  separator(304);
  item(kCmdSelectAll, text::kMenuSelectAll);
  item(kCmdDelete, text::kMenuDelete);
  separator(307);
  item(kCmdToolBar, text::kMenuToolBar);
  separator(309);
  item(kCmdExit, text::kMenuExit);
  // The menu bar only holds the popup; it is never attached to the window.
  ::AppendMenuW(menu_bar_.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(edit_menu_),
                ToWide(text::kMenuTitle).c_str());
}

void NoteWindow::ShowEditMenu() {
  POINT at{};
  ::GetCursorPos(&at);
  ::TrackPopupMenu(edit_menu_, TPM_LEFTALIGN | TPM_LEFTBUTTON, at.x, at.y, 0, hwnd(), nullptr);
}

void NoteWindow::InstallCommandProcedure() {
  previous_procedure_ = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
      hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NoteWindow::CommandProcedure)));
}

void NoteWindow::RestoreCommandProcedure() {
  if (!previous_procedure_) return;
  ::SetWindowLongPtrW(hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_procedure_));
}

LRESULT CALLBACK NoteWindow::CommandProcedure(HWND hwnd, UINT message, WPARAM wparam,
                                              LPARAM lparam) {
  auto* self = static_cast<NoteWindow*>(FromHandle(hwnd));
  if (!self) return ::DefWindowProcW(hwnd, message, wparam, lparam);
  const WNDPROC previous = self->previous_procedure_;
  if (message == WM_COMMAND && LOWORD(wparam) >= 300 && LOWORD(wparam) <= 310) {
    try {
      self->model_.OnEditCommand(LOWORD(wparam));
    } catch (...) {
    }
  }
  return ::CallWindowProcW(previous, hwnd, message, wparam, lparam);
}

void NoteWindow::StartTimer(NoteTimer timer) {
  ::SetTimer(hwnd(), TimerId(timer), static_cast<UINT>(IntervalMs(timer)), nullptr);
}

void NoteWindow::StopTimer(NoteTimer timer) { ::KillTimer(hwnd(), TimerId(timer)); }

void NoteWindow::EndProgram() { ::PostQuitMessage(0); }

void NoteWindow::Paint(HDC dc) const {
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  const int width = client.right;
  const int height = client.bottom;
  norvella::win::UniqueMemoryDc memory(::CreateCompatibleDC(dc));
  norvella::win::UniqueBitmap canvas(::CreateCompatibleBitmap(dc, width, height));
  norvella::win::SelectedObject selected(memory.get(), canvas.get());
  norvella::win::UniqueBrush back(::CreateSolidBrush(back_colour_.bgr));
  ::FillRect(memory.get(), &client, back.get());

  buttons_.Paint(memory.get());
  const Strip& strip = model_.strip();
  for (const SinglePicture& mark : strip.marks) {
    if (mark.visible && mark_picture_) mark_picture_->Draw(memory.get(), norvella::win::ToPixelRect(mark.rect));
  }
  if (strip.grip.visible) {
    const RECT r = norvella::win::ToPixelRect(strip.grip.rect);
    norvella::win::UniqueBrush grip(::CreateSolidBrush(kGripColour.bgr));
    ::FillRect(memory.get(), &r, grip.get());
  }
  ::BitBlt(dc, 0, 0, width, height, memory.get(), 0, 0, SRCCOPY);
}

LRESULT NoteWindow::OnTextEvent(const MSGFILTER& filter) {
  switch (filter.msg) {
    case WM_KEYDOWN:
      return model_.OnTextKeyDown(static_cast<int>(filter.wParam), CurrentModifiers()) ? 1 : 0;
    case WM_KEYUP:
      model_.OnTextKeyUp(static_cast<int>(filter.wParam));
      break;
    case WM_LBUTTONDBLCLK:
      model_.OnTextDoubleClick();
      break;
    case WM_RBUTTONUP:
      model_.OnTextRightButtonUp();
      break;
  }
  return 0;
}

LRESULT NoteWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (LRESULT result = 0; HandlePaintMessage(message, wparam, &result)) return result;
  switch (message) {
    case WM_SIZE:
      if (wparam != SIZE_MINIMIZED) model_.OnResize();
      return 0;
    case WM_TIMER:
      model_.OnTimer(static_cast<NoteTimer>(wparam - 1));
      return 0;
    case WM_MOUSEMOVE:
      model_.OnPointerMove(norvella::win::ClientTwips(lparam),
                           (wparam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != 0);
      // After the model: a hot picture that swapped in just now has its tool tip already.
      buttons_.Relay(message, wparam, lparam);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  // a quick second press is a press like any other
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      buttons_.Relay(message, wparam, lparam);
      ::SetCapture(hwnd());  // the release reaches the pressed picture wherever it happens
      model_.OnButtonDown(norvella::win::ClientTwips(lparam), norvella::win::MouseButtonOf(message));
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      buttons_.Relay(message, wparam, lparam);
      if (::GetCapture() == hwnd()) ::ReleaseCapture();
      model_.OnButtonUp(norvella::win::ClientTwips(lparam), norvella::win::MouseButtonOf(message));
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lparam) == HTCLIENT && reinterpret_cast<HWND>(wparam) == hwnd()) {
        POINT p{};
        ::GetCursorPos(&p);
        ::ScreenToClient(hwnd(), &p);
        const SinglePicture& grip = model_.strip().grip;
        const bool on_grip = grip.Shows({ToTwips(p.x), ToTwips(p.y)});
        ::SetCursor(::LoadCursorW(nullptr, on_grip ? IDC_SIZENWSE : IDC_ARROW));
        return TRUE;
      }
      break;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lparam);
      if (header->idFrom == kTextId && header->code == EN_MSGFILTER)
        return OnTextEvent(*reinterpret_cast<const MSGFILTER*>(lparam));
      break;
    }
    case WM_CLOSE:  // Alt+F4 closes as the close button does, saving first
      model_.CloseNote();
      return 0;
    case WM_QUERYENDSESSION:
      model_.OnSessionEnding();
      return TRUE;
    case WM_ENDSESSION:
      if (wparam) model_.OnSessionEnding();
      return 0;
  }
  return DefaultHandler(message, wparam, lparam);
}

}  // namespace norvella::practical_note::win
