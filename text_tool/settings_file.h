#pragma once
// "Scrivlet.ini": nine lines "key = value" in a fixed order, read by position.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace norvella::text_tool {

inline constexpr int kSettingsLines = 9;
using SettingsLines = std::array<std::u16string, kSettingsLines>;

// The first nine lines of the file's text; nothing when it has fewer. A line ends at CR LF or at
// a CR alone; the ninth may end with the file.
std::optional<SettingsLines> SplitSettingsLines(std::u16string_view text);

// The value of a line: the text after its first "= " (the line without its first character when
// it holds no "= ").
std::u16string LineValue(std::u16string_view line);

// What the program keeps in the file.
struct StoredSettings {
  std::u16string face;
  double points = 10.5;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  std::int32_t fore_color = 0;
  bool auto_max = false;
  int width = 0;
  int height = 0;
};

// The file's text: the nine lines, each ended by CR LF.
std::u16string FormatSettings(const StoredSettings& settings);

}  // namespace norvella::text_tool
