#include "common/win/image_button_layer.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "common/win/dpi.h"
#include "common/win/wide.h"

namespace norvella::win {

bool ImageButtonLayer::Create(HWND window) {
  window_ = window;
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  // The cursor as drawn, 32 by 32: asking for the system's cursor size would stretch it.
  hand_.reset(static_cast<HCURSOR>(::LoadImageW(instance, L"CUR_HAND", IMAGE_CURSOR, 0, 0, 0)));
  tool_tips_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                 WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0, 0, 0, window,
                                 nullptr, instance, nullptr);
  return tool_tips_ != nullptr;
}

void ImageButtonLayer::SetPictures(ImageButtonSet::Id id, std::wstring_view normal,
                                   std::wstring_view hot) {
  if (id < 0) return;
  if (pictures_.size() <= static_cast<size_t>(id)) pictures_.resize(static_cast<size_t>(id) + 1);
  Pictures& p = pictures_[static_cast<size_t>(id)];
  p.normal = normal.empty() ? std::nullopt : Picture::Load(normal);
  p.hot = hot.empty() ? std::nullopt : Picture::Load(hot);
}

void ImageButtonLayer::Paint(HDC dc) const {
  const int count = std::min(buttons_.size(), static_cast<int>(pictures_.size()));
  for (int id = 0; id < count; ++id) {
    const ImageButton& b = buttons_[id];
    const Pictures& p = pictures_[static_cast<size_t>(id)];
    if (b.normal_visible && p.normal) p.normal->Draw(dc, ToPixelRect(b.NormalRect()));
    if (b.hot_visible && p.hot) p.hot->Draw(dc, ToPixelRect(b.HotRect()));
  }
}

void ImageButtonLayer::UpdateToolTips() {
  if (!tool_tips_) return;
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = window_;
  for (int i = 0; i < tools_; ++i) {
    tool.uId = static_cast<UINT_PTR>(i) + 1;
    ::SendMessageW(tool_tips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  tools_ = buttons_.size();
  for (int id = 0; id < buttons_.size(); ++id) {
    const ImageButton& b = buttons_[id];
    if (!b.enabled || !b.ReactiveVisible() || b.tool_tip.empty()) continue;
    std::wstring tip = ToWide(b.tool_tip);
    tool.uFlags = 0;
    tool.uId = static_cast<UINT_PTR>(id) + 1;
    tool.rect = ToPixelRect(b.HotRect());
    tool.lpszText = tip.data();
    ::SendMessageW(tool_tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void ImageButtonLayer::Relay(UINT message, WPARAM wparam, LPARAM lparam) const {
  if (!tool_tips_) return;
  MSG msg{window_, message, wparam, lparam, static_cast<DWORD>(::GetMessageTime()), {}};
  ::SendMessageW(tool_tips_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

HCURSOR ImageButtonLayer::CursorAt(TwipPoint point) const {
  if (!hand_) return nullptr;
  const std::optional<ImageButtonSet::Id> id = buttons_.HotAt(point);
  return id && buttons_[*id].hand_cursor ? hand_.get() : nullptr;
}

}  // namespace norvella::win
