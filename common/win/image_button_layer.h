#pragma once
// The Win32 side of an ImageButtonSet: the pictures of each button, painted where the model says,
// the tool tips of the hot pictures that show, and the cursor over them. The model stays the one
// place that decides what shows; the layer only reads it.
#include <windows.h>

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "common/image_button.h"
#include "common/win/handles.h"
#include "common/win/picture.h"

namespace norvella::win {

class ImageButtonLayer {
 public:
  explicit ImageButtonLayer(const ImageButtonSet& buttons) : buttons_(buttons) {}
  ImageButtonLayer(const ImageButtonLayer&) = delete;
  ImageButtonLayer& operator=(const ImageButtonLayer&) = delete;

  // Creates the tool tip control of the window that paints the buttons and loads the hand cursor
  // ("CUR_HAND") when the program carries one.
  bool Create(HWND window);

  // The pictures of a button, by the names the asset build gave them ("Image1", "Image2").
  // A single picture has only a normal one; a button drawn by its page has none.
  void SetPictures(ImageButtonSet::Id id, std::wstring_view normal, std::wstring_view hot = {});

  // Draws the pictures that show: the normal picture at its place, the hot one where its press
  // style puts it (stretched when shrunk).
  void Paint(HDC dc) const;

  // One tool per reacting picture that shows now, where it shows. Call after the model changed.
  void UpdateToolTips();
  // Hands a mouse message of the window to the tool tips.
  void Relay(UINT message, WPARAM wparam, LPARAM lparam) const;

  // The cursor for a point of the window: the hand over a reacting picture that asks for it,
  // otherwise nothing (the window's own cursor applies).
  HCURSOR CursorAt(TwipPoint point) const;
  HCURSOR hand() const { return hand_.get(); }

 private:
  struct Pictures {
    std::optional<Picture> normal;
    std::optional<Picture> hot;
  };

  const ImageButtonSet& buttons_;
  std::vector<Pictures> pictures_;
  HWND window_ = nullptr;
  HWND tool_tips_ = nullptr;  // owned by the window, destroyed with it
  int tools_ = 0;             // tools added last time
  UniqueCursor hand_;
};

}  // namespace norvella::win
