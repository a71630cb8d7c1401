#pragma once
#include <cstdint>

namespace norvella {

// A 24-bit colour in the 0x00BBGGRR form the store and the window manager use.
struct Colour {
  std::uint32_t bgr = 0;

  static constexpr Colour FromRgb(int r, int g, int b) {
    return Colour{static_cast<std::uint32_t>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16))};
  }
  constexpr int Red() const { return static_cast<int>(bgr & 0xFF); }
  constexpr int Green() const { return static_cast<int>((bgr >> 8) & 0xFF); }
  constexpr int Blue() const { return static_cast<int>((bgr >> 16) & 0xFF); }
  friend constexpr bool operator==(Colour, Colour) = default;
};

}  // namespace norvella
