#include "tests/support/gbk_codec.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

#include "common/utf.h"

namespace norvella::testing {
namespace {

class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open failed");
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;
  ~Iconv() { iconv_close(cd_); }

  // Converts one unit; false when the input has no form in the target.
  bool Convert(std::string_view in, std::string& out) const {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char buffer[16];
    char* src = const_cast<char*>(in.data());
    size_t src_left = in.size();
    char* dst = buffer;
    size_t dst_left = sizeof buffer;
    if (iconv(cd_, &src, &src_left, &dst, &dst_left) == static_cast<size_t>(-1)) return false;
    out.append(buffer, sizeof buffer - dst_left);
    return true;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::string GbkCodec::Encode(std::u16string_view text, bool* lossless) const {
  static const Iconv to_gbk("CP936", "UTF-8");
  if (lossless) *lossless = true;
  std::string out;
  // Character by character, so that each unrepresentable one becomes a single "?".
  for (size_t i = 0; i < text.size(); ++i) {
    size_t n = 1;
    if (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size()) n = 2;
    if (!to_gbk.Convert(Utf16ToUtf8(text.substr(i, n)), out)) {
      out.push_back('?');
      if (lossless) *lossless = false;
    }
    i += n - 1;
  }
  return out;
}

std::u16string GbkCodec::Decode(std::string_view bytes) const {
  static const Iconv from_gbk("UTF-8", "CP936");
  std::string utf8;
  for (size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const size_t n = (lead >= 0x81 && lead <= 0xFE && i + 1 < bytes.size()) ? 2 : 1;
    if (!from_gbk.Convert(bytes.substr(i, n), utf8)) utf8 += "?";
    i += n;
  }
  return Utf8ToUtf16(utf8);
}

}  // namespace norvella::testing
