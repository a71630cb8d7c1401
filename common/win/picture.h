#pragma once
// Pictures compiled into the program as RCDATA resources "PIC_<NAME>_<SCALE>": a header of two
// little-endian 32-bit numbers (width, height) and rows of straight-alpha BGRA pixels, top row
// first. The asset build renders each picture at 100, 125, 150 and 200 per cent.
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

 private:
  Picture(UniqueBitmap bitmap, int width, int height)
      : bitmap_(std::move(bitmap)), width_(width), height_(height) {}

  UniqueBitmap bitmap_;  // premultiplied 32-bit DIB section
  int width_ = 0;
  int height_ = 0;
};

}  // namespace norvella::win
