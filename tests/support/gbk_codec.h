#pragma once
// The narrow code page of Chinese Windows (936, GBK) for native tests, through the C library's
// iconv. Characters GBK cannot hold become "?", as WideCharToMultiByte makes them.
#include "common/narrow_codec.h"

namespace norvella::testing {

class GbkCodec final : public NarrowCodec {
 public:
  std::string Encode(std::u16string_view text, bool* lossless = nullptr) const override;
  std::u16string Decode(std::string_view bytes) const override;
};

}  // namespace norvella::testing
