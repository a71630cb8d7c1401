#pragma once
// The system's narrow (ANSI) code page: GBK on Chinese Windows.
#include <string>
#include <string_view>

namespace norvella {

class NarrowCodec {
 public:
  virtual ~NarrowCodec() = default;
  // The text in the narrow code page. `lossless`, when given, is set to false if some character
  // has no form there and was replaced.
  virtual std::string Encode(std::u16string_view text, bool* lossless = nullptr) const = 0;
  virtual std::u16string Decode(std::string_view bytes) const = 0;
};

}  // namespace norvella
