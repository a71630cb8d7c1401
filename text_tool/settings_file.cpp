#include "text_tool/settings_file.h"

#include "common/settings_values.h"

namespace norvella::text_tool {

std::optional<SettingsLines> SplitSettingsLines(std::u16string_view text) {
  SettingsLines lines;
  std::size_t at = 0;
  for (int i = 0; i < kSettingsLines; ++i) {
    if (at >= text.size()) return std::nullopt;  // the file ended before this line
    const std::size_t end = std::min(text.find(u'\r', at), text.size());
    lines[static_cast<std::size_t>(i)] = std::u16string(text.substr(at, end - at));
    at = end + 1;
    if (at < text.size() && text[at] == u'\n') ++at;
  }
  return lines;
}

std::u16string LineValue(std::u16string_view line) {
  const std::size_t at = line.find(u"= ");
  // The last (length - position - 1) characters, the position of "= " counted from 1 and 0
  // when there is none.
  const std::size_t position = at == std::u16string_view::npos ? 0 : at + 1;
  const std::size_t n = line.size() > position ? line.size() - position - 1 : 0;
  return std::u16string(line.substr(line.size() - std::min(n, line.size())));
}

std::u16string FormatSettings(const StoredSettings& s) {
  std::u16string out;
  const auto line = [&out](std::u16string_view key, std::u16string_view value) {
    out += key;
    out += u" = ";
    out += value;
    out += u"\r\n";
  };
  line(u"FontName", s.face);
  line(u"FontSize", FormatNumber(s.points));
  line(u"FontBold", OneZero(s.bold));
  line(u"FontItalic", OneZero(s.italic));
  line(u"FontUnderline", OneZero(s.underline));
  line(u"ForeColor", FormatInteger(s.fore_color));
  line(u"AutoMaxSize", s.auto_max ? u"Open" : u"Close");
  line(u"FormWidth", FormatInteger(s.width));
  line(u"FormHeight", FormatInteger(s.height));
  return out;
}

}  // namespace norvella::text_tool
