#pragma once
// `SkinnedWindow`: a borderless 680 by 450 pixel window painted by its background picture, cut
// out where that picture is pure blue, with the close and minimise pair at its top right. It
// paints what its model (a SkinnedChrome) shows and hands the model its pointer events; a page
// derives from it to paint its own texts and to handle messages of its own.
#include <windows.h>

#include <optional>
#include <string_view>

#include "common/colour.h"
#include "common/skinned_chrome.h"
#include "common/win/image_button_layer.h"
#include "common/win/picture.h"
#include "common/win/window_base.h"

namespace norvella::win {

// Makes the window layered with `key` as its colour key: its pixels of exactly that colour are
// not drawn and let clicks through. Called once, before the window is first shown.
void ApplyColorKey(HWND window, Colour key);

// Moves the window by the system's move loop, as a press on a caption would; returns when the
// button is released.
void StartWindowDrag(HWND window);

class SkinnedWindow : public WindowBase, public ChromeView {
 public:
  SkinnedWindow() = default;

  // Creates the window hidden, centred on the screen, with the colour key applied. `chrome` is
  // its model and must outlive it; `caption` shows on the taskbar button and in the task
  // switcher; `background` names the background picture.
  bool Create(SkinnedChrome& chrome, std::u16string_view caption, std::wstring_view background);
  // The page's pictures: `layer().SetPictures(id, L"OK", L"OK2")` after Create.
  ImageButtonLayer& layer() { return *layer_; }
  // Shows the window where it is and brings it to the front.
  void Show();

  // ChromeView
  void StartWindowDrag() override;
  void Minimise() override;
  void PicturesChanged() override;
  TwipPoint Position() const override;
  void ShowAt(TwipPoint top_left) override;
  void Hide() override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  // Draws over the background and the buttons: the page's labels and texts.
  virtual void PaintPage(HDC) const {}

 private:
  void Paint(HDC dc) const override;
  void SetCursorFor(POINT screen_point) const;
  void OnPointerMessage(UINT message, WPARAM wparam, LPARAM lparam);

  SkinnedChrome* chrome_ = nullptr;
  std::optional<ImageButtonLayer> layer_;
  std::optional<Picture> background_;
  bool tracking_leave_ = false;
};

}  // namespace norvella::win
