#pragma once
// The toast `Form2`: a white, translucent, topmost strip with an icon and one line of text.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "common/win/handles.h"
#include "common/win/picture.h"
#include "common/win/window_base.h"
#include "practical_note/toast.h"

namespace norvella::practical_note::win {

class ToastWindow final : public norvella::win::WindowBase, public ToastView {
 public:
  // `on_first_show` runs once, after the loading text has been painted.
  ToastWindow(const Screen& screen, std::function<void()> on_first_show);

  bool Create();
  Toast& model() { return model_; }

  // ToastView
  void HideFromTaskList() override;
  void SetBackColour(Colour colour) override;
  void SetBounds(const TwipRect& bounds) override;
  void ApplyOpacity(int alpha) override;
  void Show() override;
  void Hide() override;
  void SetMessage(std::u16string_view text) override;
  int MessageWidth() const override;
  void PlaceMessage(int left) override;
  void StartTimer(ToastTimer timer) override;
  void StopTimer(ToastTimer timer) override;

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void Paint(HDC dc) const override;

  Toast model_;
  std::function<void()> on_first_show_;
  std::optional<norvella::win::Picture> icon_;
  norvella::win::UniqueFont font_;
  Colour back_colour_ = Colour::FromRgb(255, 255, 255);
  norvella::win::UniqueBrush back_brush_;
  HWND msg_ = nullptr;  // the label, destroyed with the toast
};

}  // namespace norvella::practical_note::win
