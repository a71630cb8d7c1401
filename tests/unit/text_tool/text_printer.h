#pragma once
// Readable test output for UTF-16 texts: the UTF-8 form with CR and LF spelled out.
#include <ostream>
#include <string>

#include "common/utf.h"

namespace norvella::text_tool::testing {

inline std::string Show(std::u16string_view text) {
  std::string out;
  for (char c : Utf16ToUtf8(text)) {
    if (c == '\r') out += "<CR>";
    else if (c == '\n') out += "<LF>";
    else out += c;
  }
  return out;
}

}  // namespace norvella::text_tool::testing
