#pragma once
// Pictures compiled into the program as RCDATA resources, rendered by the asset build at 100, 125,
// 150 and 200 per cent, of two kinds:
//   "PIC_<NAME>_<SCALE>": a header of two little-endian 32-bit numbers (width, height) and rows of
//     straight-alpha BGRA pixels, top row first (buttons, icons, marks);
//   "PNG_<NAME>_<SCALE>": a PNG file, decoded with GDI+ (the large backgrounds of skinned
//     windows, which would be megabytes as raw pixels).
#include <windows.h>

#include <optional>
#include <string_view>

#include "common/win/handles.h"

namespace norvella::win {

class Picture {
 public:
  // The picture rendered for the scale nearest above the screen's DPI; nothing when the program
  // carries no picture of that name.
  static std::optional<Picture> Load(std::wstring_view name);

  int width() const { return width_; }
  int height() const { return height_; }
  // Blends the picture into `dest` (stretched when the rectangle differs from its size).
  void Draw(HDC dc, const RECT& dest) const;
  // Copies the picture's pixels into `dest` as they are, ignoring alpha; stretched by repeating or
  // dropping whole pixels, so a pixel of a window's colour key stays exactly that colour.
  void DrawExact(HDC dc, const RECT& dest) const;

 private:
  Picture(UniqueBitmap bitmap, int width, int height)
      : bitmap_(std::move(bitmap)), width_(width), height_(height) {}

  UniqueBitmap bitmap_;  // premultiplied 32-bit DIB section
  int width_ = 0;
  int height_ = 0;
};

}  // namespace norvella::win
