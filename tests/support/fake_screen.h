#pragma once
#include "common/screen.h"

namespace norvella::testing {

// A 1024 by 768 pixel primary screen at 96 dpi, unless a test says otherwise.
class FakeScreen final : public Screen {
 public:
  TwipSize primary{15360, 11520};
  std::vector<TwipRect> monitors{{0, 0, 15360, 11520}};

  TwipSize PrimarySize() const override { return primary; }
  std::vector<TwipRect> Monitors() const override { return monitors; }
};

}  // namespace norvella::testing
