#pragma once
// Conversions between the suite's portable text (UTF-16) and UTF-8, for tests, tools and logs.
#include <string>
#include <string_view>

namespace norvella {

// Lone surrogates become U+FFFD; invalid UTF-8 bytes become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// Letter case folding of the ASCII letters only, as used for key and section names.
bool EqualsIgnoreAsciiCase(std::u16string_view a, std::u16string_view b);
std::u16string ToAsciiUpper(std::u16string_view text);

// Every line break as CR LF: a lone CR (as the rich-text box keeps its paragraphs) or a lone LF
// becomes CR LF.
std::u16string WithCrLf(std::u16string_view text);

}  // namespace norvella
