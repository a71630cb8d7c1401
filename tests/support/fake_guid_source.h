#pragma once
// Version-4 GUID texts from a seeded random source, in the form the system's conversion gives; a
// test can make the next ones fail.
#include <string>

#include "common/guid_source.h"
#include "common/random_source.h"

namespace norvella::testing {

class FakeGuidSource final : public GuidSource {
 public:
  explicit FakeGuidSource(std::uint64_t seed = 7) : random_(seed) {}
  int failures = 0;  // the next this many calls fail

  std::u16string NewGuidText() override {
    if (failures > 0) {
      --failures;
      return {};
    }
    static constexpr char16_t kHex[] = u"0123456789ABCDEF";
    std::u16string text = u"{";
    for (int i = 0; i < 32; ++i) {
      if (i == 8 || i == 12 || i == 16 || i == 20) text += u'-';
      int digit = static_cast<int>(random_.NextFraction() * 16);
      if (i == 12) digit = 4;                          // version 4
      if (i == 16) digit = 8 + (digit & 3);            // variant 10xx
      text += kHex[digit];
    }
    text += u'}';
    return text;
  }

 private:
  SeededRandom random_;
};

}  // namespace norvella::testing
