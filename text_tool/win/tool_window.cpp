#include "text_tool/win/tool_window.h"

#include <commctrl.h>
#include <commdlg.h>
#include <imm.h>
#include <uxtheme.h>

#include <cmath>
#include <vector>

#include "common/settings_values.h"
#include "common/win/dpi.h"
#include "common/win/wide.h"
#include "text_tool/texts.h"

namespace norvella::text_tool::win {
namespace {

using norvella::win::FromWide;
using norvella::win::ToPixels;
using norvella::win::ToWide;

constexpr wchar_t kClassName[] = L"Scrivlet.Form1";
constexpr wchar_t kPanelClassName[] = L"Scrivlet.Frame";
constexpr int kFirstControlId = 100;
constexpr UINT kFirstCommandId = 1000;
constexpr UINT_PTR kTimerId = 1;

UINT CommandId(Command c) { return kFirstCommandId + static_cast<UINT>(c); }
int ControlId(Ctl id) { return kFirstControlId + static_cast<int>(id); }

// The frame of a panel: an etched line with its caption in the colour of active title bars. It
// hands its children's notifications on to the window.
LRESULT CALLBACK PanelProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      return ::SendMessageW(::GetParent(hwnd), message, wparam, lparam);
    case WM_SETFONT:
      ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, static_cast<LONG_PTR>(wparam));
      return 0;
    case WM_ERASEBKGND: {
      RECT r{};
      ::GetClientRect(hwnd, &r);
      ::FillRect(reinterpret_cast<HDC>(wparam), &r, ::GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_PAINT: {
      norvella::win::PaintScope paint(hwnd);
      const HDC dc = paint.dc();
      RECT r{};
      ::GetClientRect(hwnd, &r);
      const auto font = reinterpret_cast<HFONT>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
      norvella::win::SelectedObject selected(dc, font ? static_cast<HGDIOBJ>(font)
                                                      : ::GetStockObject(DEFAULT_GUI_FONT));
      wchar_t caption[64] = {};
      const int length = ::GetWindowTextW(hwnd, caption, 64);
      SIZE extent{};
      ::GetTextExtentPoint32W(dc, caption, length, &extent);
      RECT frame{0, extent.cy / 2, r.right, r.bottom};
      ::DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
      RECT behind{6, 0, 6 + extent.cx + 4, extent.cy};
      ::FillRect(dc, &behind, ::GetSysColorBrush(COLOR_BTNFACE));
      ::SetBkMode(dc, TRANSPARENT);
      ::SetTextColor(dc, ::GetSysColor(COLOR_ACTIVECAPTION));
      ::TextOutW(dc, 8, 0, caption, length);
      return 0;
    }
  }
  return ::DefWindowProcW(hwnd, message, wparam, lparam);
}

bool RegisterPanelClass() {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  if (::GetClassInfoExW(instance, kPanelClassName, &existing)) return true;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = PanelProcedure;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kPanelClassName;
  return ::RegisterClassExW(&wc) != 0;
}

bool FiltersKeys(Ctl id) {
  switch (id) {
    case Ctl::Text1: case Ctl::Text10: case Ctl::Text12: case Ctl::Text18: case Ctl::Text4:
    case Ctl::Text6: case Ctl::Text13: case Ctl::Text14: case Ctl::Text15: case Ctl::Text16:
    case Ctl::Text17:
      return true;
    default:
      return false;
  }
}

std::wstring TextOf(HWND hwnd) {
  const int length = ::GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

// A one-line label wider than designed in the font the system substitutes grows to its text.
void WidenToText(HWND label) {
  norvella::win::WindowDc dc(label);
  norvella::win::SelectedObject selected(dc.get(), reinterpret_cast<HGDIOBJ>(::SendMessageW(label, WM_GETFONT, 0, 0)));
  const std::wstring text = TextOf(label);
  SIZE extent{};
  ::GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
  RECT r{};
  ::GetWindowRect(label, &r);
  if (extent.cx > r.right - r.left)
    ::SetWindowPos(label, nullptr, 0, 0, extent.cx + 1, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

ToolWindow::ToolWindow(Services services) : model_(*this, std::move(services)) {}

bool ToolWindow::Create() {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  icon_.reset(static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                              ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON), 0)));
  small_icon_.reset(static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                    ::GetSystemMetrics(SM_CXSMICON),
                                                    ::GetSystemMetrics(SM_CYSMICON), 0)));
  hand_.reset(static_cast<HCURSOR>(::LoadImageW(instance, L"CUR_HAND", IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE)));
  line_brush_.reset(::CreateSolidBrush(::GetSysColor(COLOR_SCROLLBAR)));
  command_picture_ = norvella::win::Picture::Load(L"command1");
  if (!RegisterPanelClass()) return false;
  if (!RegisterOnce({kClassName, CS_DBLCLKS, nullptr, icon_.get(), small_icon_.get()})) return false;

  // The design client area, 12030 by 6690 twips, with the menu bar and the sizable border.
  menu_ = ::CreateMenu();
  RECT outer{0, 0, ToPixels(kDesignClientWidth), ToPixels(kDesignClientHeight)};
  const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  const DWORD ex_style = WS_EX_CONTROLPARENT;
  CreateMenus();
  ::AdjustWindowRectEx(&outer, style, TRUE, ex_style);
  const RECT bounds{0, 0, outer.right - outer.left, outer.bottom - outer.top};
  requested_size_ = {norvella::win::ToTwips(bounds.right), norvella::win::ToTwips(bounds.bottom)};
  if (!WindowBase::Create(kClassName, ToWide(text::kCaption).c_str(), style, ex_style, bounds, nullptr))
    return false;
  ::SetMenu(hwnd(), menu_);
  if (!CreateControls()) return false;

  const ACCEL keys[] = {
      {FCONTROL | FVIRTKEY, 'A', static_cast<WORD>(CommandId(Command::SelectAll))},
      {FCONTROL | FVIRTKEY, 'S', static_cast<WORD>(CommandId(Command::Save))},
      {FVIRTKEY, VK_F5, static_cast<WORD>(CommandId(Command::Run))},
      {FCONTROL | FVIRTKEY, 'Z', static_cast<WORD>(CommandId(Command::Undo))},
      {FCONTROL | FVIRTKEY, 'R', static_cast<WORD>(CommandId(Command::Redo))},
      {FCONTROL | FVIRTKEY, 'F', static_cast<WORD>(CommandId(Command::Font))},
      {FCONTROL | FVIRTKEY, 'H', static_cast<WORD>(CommandId(Command::Help))},
  };
  accelerators_.reset(::CreateAcceleratorTableW(const_cast<ACCEL*>(keys), static_cast<int>(std::size(keys))));
  return true;
}

void ToolWindow::CreateMenus() {
  const auto popup = [this](std::u16string_view caption) {
    const HMENU sub = ::CreatePopupMenu();
    ::AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), ToWide(caption).c_str());
    return sub;
  };
  const auto item = [](HMENU menu, Command c, std::u16string_view caption, const wchar_t* keys = nullptr,
                       UINT flags = 0) {
    std::wstring text = ToWide(caption);
    if (keys) text += std::wstring(L"\t") + keys;
    ::AppendMenuW(menu, MF_STRING | flags, CommandId(c), text.c_str());
  };
  const HMENU file = popup(text::kMenuFile);
  item(file, Command::Clean, text::kMenuClean);
  item(file, Command::SelectAll, text::kMenuSelectAll, L"Ctrl+A");
  item(file, Command::Save, text::kMenuSave, L"Ctrl+S");
  ::AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
  item(file, Command::Exit, text::kMenuExit);
  const HMENU run = popup(text::kMenuDo);
  item(run, Command::Run, text::kMenuRun, L"F5");
  ::AppendMenuW(run, MF_SEPARATOR, 0, nullptr);
  item(run, Command::Undo, text::kMenuUndo, L"Ctrl+Z", MF_GRAYED);
  item(run, Command::Redo, text::kMenuRedo, L"Ctrl+R", MF_GRAYED);
  const HMENU setting = popup(text::kMenuSetting);
  item(setting, Command::AutoMax, text::kMenuAutoMax);
  item(setting, Command::Font, text::kMenuFont, L"Ctrl+F");
  const HMENU help = popup(text::kMenuHelpTop);
  item(help, Command::Help, text::kMenuHelp, L"Ctrl+H");
  ::AppendMenuW(help, MF_SEPARATOR, 0, nullptr);
  item(help, Command::Web, text::kMenuWeb);
  item(help, Command::Kelmora, text::kMenuKelmora);
  item(help, Command::About, text::kMenuAbout);
}

HFONT ToolWindow::FontFor(const FontSpec& font) {
  const std::wstring key = ToWide(font.face) + L"|" + std::to_wstring(font.points) + (font.underline ? L"|u" : L"");
  auto& owned = fonts_[key];
  if (!owned) {
    const int height = -static_cast<int>(std::lround(font.points * norvella::win::ScreenDpi() / 72.0));
    owned.reset(::CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, font.underline, FALSE, GB2312_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                              ToWide(font.face).c_str()));
  }
  return owned.get();
}

bool ToolWindow::CreateControls() {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  Ctl previous_parent = Ctl::Form;
  for (const ControlSpec& spec : DesignControls()) {
    const size_t index = static_cast<size_t>(spec.id);
    if (spec.colour) colours_[index] = spec.colour->bgr;
    if (spec.kind == Kind::Shape) {
      shape_ = spec.rect;
      continue;
    }
    const HWND parent = spec.parent == Ctl::Form ? hwnd() : Handle(spec.parent);
    const bool first_in_parent = spec.parent != previous_parent;
    previous_parent = spec.parent;
    DWORD style = WS_CHILD | (spec.visible ? WS_VISIBLE : 0) | (spec.enabled ? 0 : WS_DISABLED);
    DWORD ex_style = 0;
    const wchar_t* window_class = L"STATIC";
    switch (spec.kind) {
      case Kind::Editor:
        window_class = L"EDIT";
        style |= WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL | WS_TABSTOP;
        break;
      case Kind::Frame:
        window_class = kPanelClassName;
        style |= WS_CLIPSIBLINGS;
        ex_style = WS_EX_CONTROLPARENT;
        break;
      case Kind::Label:
        style |= (spec.rect.height > 300 ? SS_LEFT : SS_LEFTNOWORDWRAP) | (spec.hand ? SS_NOTIFY : 0);
        break;
      case Kind::StatusLabel:
        style |= SS_LEFTNOWORDWRAP | SS_CENTERIMAGE;
        ex_style = WS_EX_STATICEDGE;
        break;
      case Kind::Link:
        style |= SS_LEFTNOWORDWRAP | SS_NOTIFY;
        break;
      case Kind::Picture:
        style |= SS_OWNERDRAW | SS_NOTIFY;
        break;
      case Kind::Edit:
        window_class = L"EDIT";
        style |= ES_AUTOHSCROLL | WS_TABSTOP;
        ex_style = WS_EX_CLIENTEDGE;
        break;
      case Kind::Memo:
        window_class = L"EDIT";
        style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP;
        ex_style = WS_EX_CLIENTEDGE;
        break;
      case Kind::Combo:
        window_class = L"COMBOBOX";
        style |= CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
        break;
      case Kind::Check:
        window_class = L"BUTTON";
        style |= BS_AUTOCHECKBOX | WS_TABSTOP;
        break;
      case Kind::Option:
        window_class = L"BUTTON";
        style |= BS_RADIOBUTTON | (first_in_parent || spec.id == Ctl::Option9 ? WS_GROUP | WS_TABSTOP : 0);
        break;
      case Kind::Line:
      case Kind::Shape:
        break;
    }
    RECT r = norvella::win::ToPixelRect(spec.rect);
    if (spec.kind == Kind::Line) r.bottom = r.top + 1;
    // A drop-down list's height is that of its opened list.
    if (spec.kind == Kind::Combo) r.bottom = r.top + ToPixels(spec.rect.height) * 8;
    const std::wstring caption = spec.kind == Kind::Line ? L"" : ToWide(spec.caption);
    const HWND control = ::CreateWindowExW(
        ex_style, window_class, caption.c_str(), style, r.left, r.top, r.right - r.left, r.bottom - r.top,
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(spec.id))), instance, nullptr);
    if (!control) return false;
    handles_[index] = control;
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(spec.font)), FALSE);
    if (spec.kind == Kind::Editor || spec.kind == Kind::Edit || spec.kind == Kind::Memo)
      ::SendMessageW(control, EM_SETLIMITTEXT, static_cast<WPARAM>(spec.max_length > 0 ? spec.max_length : 0x7FFFFFFE), 0);
    if (spec.kind == Kind::Label && spec.rect.height <= 300) WidenToText(control);
    if (spec.kind == Kind::Combo)
      for (std::u16string_view entry : spec.entries)
        ::SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(entry).c_str()));
    if ((spec.kind == Kind::Check || spec.kind == Kind::Option) && spec.colour)
      ::SetWindowTheme(control, L"", L"");  // themed buttons ignore the text colour
    if (spec.checked) ::SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0);
    if (spec.ime_off) ::ImmAssociateContext(control, nullptr);
    if (FiltersKeys(spec.id))
      ::SetWindowSubclass(control, &ToolWindow::KeyFilter, static_cast<UINT_PTR>(spec.id),
                          reinterpret_cast<DWORD_PTR>(this));
  }
  FitLinkToText();
  return true;
}

// The link `AD` takes the size of its text.
void ToolWindow::FitLinkToText() {
  const HWND link = Handle(Ctl::AD);
  norvella::win::WindowDc dc(link);
  norvella::win::SelectedObject selected(dc.get(), reinterpret_cast<HGDIOBJ>(::SendMessageW(link, WM_GETFONT, 0, 0)));
  const std::wstring text = TextOf(link);
  SIZE extent{};
  ::GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
  ::SetWindowPos(link, nullptr, 0, 0, extent.cx + 2, extent.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK ToolWindow::KeyFilter(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                       UINT_PTR id, DWORD_PTR self) {
  if (message == WM_CHAR) {
    auto* window = reinterpret_cast<ToolWindow*>(self);
    bool pass = true;
    try {
      pass = window->model_.OnCharKey(static_cast<Ctl>(id), static_cast<char16_t>(wparam));
    } catch (...) {
    }
    if (!pass) return 0;
  }
  if (message == WM_NCDESTROY) ::RemoveWindowSubclass(hwnd, &ToolWindow::KeyFilter, id);
  return ::DefSubclassProc(hwnd, message, wparam, lparam);
}

bool ToolWindow::PreTranslate(MSG& msg) {
  if (!hwnd()) return false;
  if (accelerators_ && ::TranslateAcceleratorW(hwnd(), accelerators_.get(), &msg)) return true;
  return ::IsDialogMessageW(hwnd(), &msg) != FALSE;
}

std::optional<Ctl> ToolWindow::CtlOf(HWND control) const {
  for (size_t i = 0; i < handles_.size(); ++i)
    if (handles_[i] == control && control) return static_cast<Ctl>(i);
  return std::nullopt;
}

// ---------------------------------------------------------------------------------------------
// ToolView

TwipRect ToolWindow::Bounds() const {
  RECT r{};
  if (::IsIconic(hwnd())) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    ::GetWindowPlacement(hwnd(), &placement);
    r = placement.rcNormalPosition;
  } else {
    ::GetWindowRect(hwnd(), &r);
  }
  const int dpi = norvella::win::ScreenDpi();
  return {norvella::win::ToTwips(r.left), norvella::win::ToTwips(r.top),
          TwipsForPixels(r.right - r.left, requested_size_.width, dpi),
          TwipsForPixels(r.bottom - r.top, requested_size_.height, dpi)};
}

WindowState ToolWindow::State() const {
  if (::IsIconic(hwnd())) return WindowState::Minimised;
  if (::IsZoomed(hwnd()) || (start_maximised_ && !shown_)) return WindowState::Maximised;
  return WindowState::Normal;
}

void ToolWindow::SetOuterSize(TwipSize size) {
  requested_size_ = size;
  const int width = ToPixels(size.width);
  const int height = ToPixels(size.height);
  if (::IsZoomed(hwnd()) || ::IsIconic(hwnd())) {
    // The size the window takes when it is restored.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    ::GetWindowPlacement(hwnd(), &placement);
    placement.rcNormalPosition.right = placement.rcNormalPosition.left + width;
    placement.rcNormalPosition.bottom = placement.rcNormalPosition.top + height;
    ::SetWindowPlacement(hwnd(), &placement);
    return;
  }
  ::SetWindowPos(hwnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ToolWindow::Maximise() { start_maximised_ = true; }

void ToolWindow::Show(TwipPoint origin) {
  ::SetWindowPos(hwnd(), nullptr, ToPixels(origin.x), ToPixels(origin.y), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  shown_ = true;
  ::ShowWindow(hwnd(), start_maximised_ ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
  ::UpdateWindow(hwnd());
  ::SetForegroundWindow(hwnd());
  ::SetFocus(Handle(Ctl::Text1));
}

void ToolWindow::PlaceControl(Ctl id, const TwipRect& rect) {
  if (id == Ctl::Shape1) {
    shape_ = rect;
    ::InvalidateRect(hwnd(), nullptr, TRUE);
    return;
  }
  const HWND control = Handle(id);
  if (!control) return;
  const RECT r = norvella::win::ToPixelRect(rect);
  if (id == Ctl::AD) {  // keeps the size of its text
    ::SetWindowPos(control, nullptr, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  ::MoveWindow(control, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

std::u16string ToolWindow::ControlText(Ctl id) const { return FromWide(TextOf(Handle(id))); }

void ToolWindow::SetControlText(Ctl id, std::u16string_view text) {
  programmatic_ = true;
  ::SetWindowTextW(Handle(id), ToWide(text).c_str());
  programmatic_ = false;
  if (id == Ctl::AD) FitLinkToText();
}

void ToolWindow::SetControlColour(Ctl id, Colour colour) {
  colours_[static_cast<size_t>(id)] = colour.bgr;
  ::InvalidateRect(Handle(id), nullptr, TRUE);
}

void ToolWindow::SetVisible(Ctl id, bool visible) { ::ShowWindow(Handle(id), visible ? SW_SHOW : SW_HIDE); }
void ToolWindow::SetEnabled(Ctl id, bool enabled) { ::EnableWindow(Handle(id), enabled); }
bool ToolWindow::Enabled(Ctl id) const { return ::IsWindowEnabled(Handle(id)) != FALSE; }
void ToolWindow::SetReadOnly(Ctl id, bool read_only) { ::SendMessageW(Handle(id), EM_SETREADONLY, read_only, 0); }
void ToolWindow::SetMaxLength(Ctl id, int length) {
  ::SendMessageW(Handle(id), EM_SETLIMITTEXT, static_cast<WPARAM>(length), 0);
}
bool ToolWindow::Checked(Ctl id) const {
  return ::SendMessageW(Handle(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}
void ToolWindow::SetChecked(Ctl id, bool checked) {
  ::SendMessageW(Handle(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}
int ToolWindow::ComboIndex(Ctl id) const { return static_cast<int>(::SendMessageW(Handle(id), CB_GETCURSEL, 0, 0)); }
void ToolWindow::SetComboIndex(Ctl id, int index) { ::SendMessageW(Handle(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

std::u16string ToolWindow::EditorText() const { return FromWide(TextOf(Handle(Ctl::Text1))); }
std::size_t ToolWindow::EditorLength() const {
  return static_cast<std::size_t>(::GetWindowTextLengthW(Handle(Ctl::Text1)));
}

void ToolWindow::SetEditorText(std::u16string_view text) {
  programmatic_ = true;
  ::SetWindowTextW(Handle(Ctl::Text1), ToWide(text).c_str());
  programmatic_ = false;
}

void ToolWindow::PlaceCaretAtEnd() {
  const auto end = static_cast<WPARAM>(EditorLength());
  ::SendMessageW(Handle(Ctl::Text1), EM_SETSEL, end, static_cast<LPARAM>(end));
  ::SendMessageW(Handle(Ctl::Text1), EM_SCROLLCARET, 0, 0);
}

void ToolWindow::SelectWholeEditor() {
  ::SetFocus(Handle(Ctl::Text1));
  ::SendMessageW(Handle(Ctl::Text1), EM_SETSEL, 0, static_cast<LPARAM>(EditorLength()));
}

void ToolWindow::SetEditorFont(const EditorFont& font) {
  const int height = -static_cast<int>(std::lround(font.points * norvella::win::ScreenDpi() / 72.0));
  norvella::win::UniqueFont created(::CreateFontW(
      height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, font.underline, font.strikeout,
      static_cast<BYTE>(font.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
      DEFAULT_PITCH, ToWide(font.face).c_str()));
  if (!created) return;
  ::SendMessageW(Handle(Ctl::Text1), WM_SETFONT, reinterpret_cast<WPARAM>(created.get()), TRUE);
  editor_font_ = std::move(created);  // the previous font is released after the editor let go of it
}

Colour ToolWindow::ResolveColour(OleColour colour) const {
  if (colour < 0) return Colour{static_cast<std::uint32_t>(::GetSysColor(static_cast<int>(colour & 0xFF)))};
  return Colour{static_cast<std::uint32_t>(colour)};
}

void ToolWindow::SetEditorColour(OleColour colour) {
  editor_colour_ = ResolveColour(colour).bgr;
  ::InvalidateRect(Handle(Ctl::Text1), nullptr, TRUE);
}

void ToolWindow::SetMenuEnabled(Command command, bool enabled) {
  ::EnableMenuItem(menu_, CommandId(command), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void ToolWindow::SetMenuChecked(Command command, bool checked) {
  ::CheckMenuItem(menu_, CommandId(command), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

std::optional<FontChoice> ToolWindow::PickFont(const EditorFont& font, Colour colour) {
  LOGFONTW logical{};
  ::lstrcpynW(logical.lfFaceName, ToWide(font.face).c_str(), LF_FACESIZE);
  logical.lfItalic = font.italic;
  logical.lfStrikeOut = font.strikeout;
  logical.lfUnderline = font.underline;
  logical.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  logical.lfCharSet = static_cast<BYTE>(font.charset);
  {
    norvella::win::WindowDc dc(hwnd());
    logical.lfHeight = -::MulDiv(RoundHalfEven(font.points), ::GetDeviceCaps(dc.get(), LOGPIXELSY), 72);
  }
  CHOOSEFONTW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = hwnd();
  dialog.hInstance = ::GetModuleHandleW(nullptr);
  dialog.lpLogFont = &logical;
  dialog.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS | CF_LIMITSIZE | CF_FORCEFONTEXIST;
  dialog.nSizeMin = 8;
  dialog.nSizeMax = 72;
  dialog.rgbColors = colour.bgr;
  if (!::ChooseFontW(&dialog)) return std::nullopt;
  FontChoice choice;
  choice.font.face = FromWide(logical.lfFaceName);
  choice.font.italic = logical.lfItalic != 0;
  choice.font.strikeout = logical.lfStrikeOut != 0;
  choice.font.underline = logical.lfUnderline != 0;
  choice.font.bold = logical.lfWeight >= FW_SEMIBOLD;
  choice.font.charset = logical.lfCharSet;
  // The dialog reports the size picked in tenths of a point: 10.5 stays 10.5.
  choice.font.points = dialog.iPointSize > 0 ? dialog.iPointSize / 10.0 : font.points;
  choice.colour = Colour{static_cast<std::uint32_t>(dialog.rgbColors)};
  return choice;
}

bool ToolWindow::AskOkCancel(std::u16string_view title, std::u16string_view text) {
  return ::MessageBoxW(hwnd(), ToWide(text).c_str(), ToWide(title).c_str(), MB_OKCANCEL | MB_ICONINFORMATION) == IDOK;
}

void ToolWindow::ShowInformation(std::u16string_view title, std::u16string_view text) {
  ::MessageBoxW(hwnd(), ToWide(text).c_str(), ToWide(title).c_str(), MB_OK | MB_ICONINFORMATION);
}

void ToolWindow::StartTimer() { ::SetTimer(hwnd(), kTimerId, 500, nullptr); }

void ToolWindow::EndProgram() { ::DestroyWindow(hwnd()); }

// ---------------------------------------------------------------------------------------------
// Messages

void ToolWindow::OnCommandMessage(WPARAM wparam, LPARAM lparam) {
  const UINT id = LOWORD(wparam);
  const UINT code = HIWORD(wparam);
  if (lparam == 0) {  // a menu item or a shortcut
    if (id >= kFirstCommandId && id <= CommandId(Command::About))
      model_.OnCommand(static_cast<Command>(id - kFirstCommandId));
    return;
  }
  if (id < kFirstControlId || id >= kFirstControlId + static_cast<UINT>(kControlCount)) return;
  const auto ctl = static_cast<Ctl>(id - kFirstControlId);
  const Kind kind = Spec(ctl).kind;
  switch (kind) {
    case Kind::Check:
    case Kind::Option:
      if (code == BN_CLICKED) model_.OnClick(ctl);
      break;
    case Kind::Label:
    case Kind::Link:
    case Kind::Picture:
      if (code == STN_CLICKED) model_.OnClick(ctl);
      if (code == STN_DBLCLK) model_.OnDoubleClick(ctl);
      break;
    case Kind::Combo:
      if (code == CBN_SELCHANGE) model_.OnComboSelected(ctl);
      break;
    case Kind::Editor:
    case Kind::Edit:
    case Kind::Memo:
      if (code == EN_CHANGE && !programmatic_) model_.OnTextChanged(ctl);
      break;
    default:
      break;
  }
}

LRESULT ToolWindow::OnControlColour(HDC dc, HWND control, UINT message) {
  const std::optional<Ctl> ctl = CtlOf(control);
  if (!ctl) return DefaultHandler(message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
  if (*ctl == Ctl::Text1) {
    ::SetTextColor(dc, editor_colour_);
    ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
  }
  const Kind kind = Spec(*ctl).kind;
  if (kind == Kind::Line) return reinterpret_cast<LRESULT>(line_brush_.get());
  if (kind == Kind::Edit || kind == Kind::Memo || kind == Kind::Combo)
    return DefaultHandler(message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
  const auto& colour = colours_[static_cast<size_t>(*ctl)];
  ::SetTextColor(dc, colour ? *colour : ::GetSysColor(COLOR_BTNTEXT));
  ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
  ::SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
}

void ToolWindow::Paint(HDC dc) const {
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
  const RECT shape = norvella::win::ToPixelRect(shape_);
  ::FillRect(dc, &shape, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
}

LRESULT ToolWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (LRESULT result = 0; HandlePaintMessage(message, wparam, &result)) return result;
  switch (message) {
    case WM_COMMAND:
      OnCommandMessage(wparam, lparam);
      return 0;
    case WM_SIZE:
      if (wparam != SIZE_MINIMIZED) model_.OnResize();
      return 0;
    case WM_TIMER:
      if (wparam == kTimerId) model_.OnTimer();
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      return OnControlColour(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam), message);
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      if (item->CtlID == static_cast<UINT>(ControlId(Ctl::Command1))) {
        ::FillRect(item->hDC, &item->rcItem, ::GetSysColorBrush(COLOR_BTNFACE));
        if (command_picture_) command_picture_->Draw(item->hDC, item->rcItem);
        return TRUE;
      }
      break;
    }
    case WM_SETCURSOR: {
      const auto over = reinterpret_cast<HWND>(wparam);
      if (hand_ && LOWORD(lparam) == HTCLIENT &&
          (over == Handle(Ctl::Label1) || over == Handle(Ctl::AD) || over == Handle(Ctl::Command1))) {
        ::SetCursor(hand_.get());
        return TRUE;
      }
      break;
    }
    case WM_CLOSE:
      model_.OnCloseRequest();
      ::DestroyWindow(hwnd());
      return 0;
    case WM_ENDSESSION:
      if (wparam) model_.SaveSettings();
      return 0;
    case WM_DESTROY:
      ::KillTimer(hwnd(), kTimerId);
      ::PostQuitMessage(0);
      return 0;
  }
  return DefaultHandler(message, wparam, lparam);
}

}  // namespace norvella::text_tool::win
