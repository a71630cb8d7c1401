#pragma once
// What the models need to know of the displays, in twips.
#include <vector>

#include "common/geometry.h"

namespace norvella {

class Screen {
 public:
  virtual ~Screen() = default;
  // Size of the primary screen.
  virtual TwipSize PrimarySize() const = 0;
  // Rectangles of all monitors, in virtual-screen coordinates (the primary one starts at 0, 0).
  virtual std::vector<TwipRect> Monitors() const = 0;
};

// True when some part of `rect` lies on one of the monitors.
inline bool IsOnAnyMonitor(const TwipRect& rect, const std::vector<TwipRect>& monitors) {
  for (const TwipRect& m : monitors) {
    if (rect.Intersects(m)) return true;
  }
  return false;
}

}  // namespace norvella
