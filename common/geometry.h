#pragma once
// Geometry in twips (1/1440 inch), the unit every position and size of the suite is stored, compared
// and laid out in. Pixels appear only where a window manager call takes them.
#include <cmath>
#include <cstdint>

namespace norvella {

inline constexpr int kTwipsPerInch = 1440;

struct TwipPoint {
  int x = 0;
  int y = 0;
  friend constexpr bool operator==(TwipPoint, TwipPoint) = default;
};

struct TwipSize {
  int width = 0;
  int height = 0;
  friend constexpr bool operator==(TwipSize, TwipSize) = default;
};

struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  constexpr int Right() const { return left + width; }
  constexpr int Bottom() const { return top + height; }
  constexpr TwipPoint Origin() const { return {left, top}; }
  constexpr TwipSize Size() const { return {width, height}; }
  constexpr bool Contains(TwipPoint p) const {
    return p.x >= left && p.x < Right() && p.y >= top && p.y < Bottom();
  }
  constexpr bool Intersects(const TwipRect& o) const {
    return left < o.Right() && o.left < Right() && top < o.Bottom() && o.top < Bottom();
  }
  friend constexpr bool operator==(const TwipRect&, const TwipRect&) = default;
};

// The top-left corner that centres a window of `size` on a screen of `screen`.
constexpr TwipPoint CentredOn(TwipSize screen, TwipSize size) {
  return {(screen.width - size.width) / 2, (screen.height - size.height) / 2};
}

// Conversions with the screen's pixels per inch (96 gives 15 twips per pixel).
inline int TwipsToPixels(int twips, int dpi) {
  return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / kTwipsPerInch));
}
inline int PixelsToTwips(int pixels, int dpi) {
  return static_cast<int>(std::lround(static_cast<double>(pixels) * kTwipsPerInch / dpi));
}

// A window's place or size read back in twips. Pixels hold less than twips do (15 twips a pixel at
// 96 dpi), so a value set as 3800 comes back as 253 pixels, 3795 twips. While the window still has
// the pixels that `remembered` was converted to, the remembered value is the true one.
inline int TwipsForPixels(int pixels, int remembered, int dpi) {
  return TwipsToPixels(remembered, dpi) == pixels ? remembered : PixelsToTwips(pixels, dpi);
}

}  // namespace norvella
