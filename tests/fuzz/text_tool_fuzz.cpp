// libFuzzer target of the number compression and the generate rules: no input may crash or upset
// a sanitizer, and expanding the compression of a digit string gives the string back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tests/support/gbk_codec.h"
#include "text_tool/operations.h"

namespace {

using namespace norvella::text_tool;

std::u16string Units(const std::uint8_t* data, std::size_t size) {
  std::u16string text;
  for (std::size_t i = 0; i + 1 < size; i += 2) text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
  return text;
}

std::u16string SmallCount(std::uint8_t byte) {
  const std::string digits = std::to_string(byte % 40);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  static const norvella::testing::GbkCodec gbk;
  const std::uint8_t mode = data[0] % 3;
  data += 1;
  size -= 1;
  if (mode == 0) {
    // Digit strings of up to 128 digits, zeros more often than others.
    std::u16string digits;
    for (std::size_t i = 0; i < size && digits.size() < kMaxDigits; ++i)
      digits.push_back(data[i] % 3 == 0 ? u'0' : static_cast<char16_t>(u'0' + data[i] % 10));
    if (digits.empty() || digits.front() == u'0') return 0;
    const std::u16string compressed = CompressDigits(digits);
    if (compressed.size() > digits.size() || ExpandDigits(compressed, gbk) != digits) std::abort();
    const Outcome o = CompressOrExpand({digits, u""}, u"x", gbk);
    if (!o.text || o.text->substr(3) != compressed) std::abort();
  } else if (mode == 1) {
    // Any text expands to digits only.
    const std::u16string text = Units(data, size);
    for (char16_t c : ExpandDigits(text, gbk))
      if (c < u'0' || c > u'9') std::abort();
    CompressOrExpand({u"", text}, u"", gbk);
  } else if (size >= 6) {
    GenerateRequest r;
    r.position = static_cast<GeneratePosition>(data[0] % 4);
    r.rule = static_cast<GenerateRule>(data[1] % 5);
    r.break_each = data[2] & 1;
    const std::u16string count = SmallCount(data[3]);
    const std::u16string step = SmallCount(data[4]);
    const std::u16string rest = Units(data + 5, size - 5);
    const std::u16string first = rest.substr(0, 8);
    const std::u16string single = first.substr(0, 1);
    const std::u16string editor = rest.size() > 8 ? rest.substr(8) : u"";
    r.first = first;
    r.rule_count = count;
    r.step = step;
    if (data[2] & 2) {
      r.single = single;
      r.single_count = count;
    }
    if (data[2] & 4) {
      r.repeat = first;
      r.repeat_count = step;
    }
    const Outcome o = GenerateChars(r, editor);
    if (o.text && o.text->size() > kMaxResultLength) std::abort();
    if (o.text && !o.snapshot) std::abort();
  }
  return 0;
}
