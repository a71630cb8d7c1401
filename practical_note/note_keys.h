#pragma once
// Keys of section "NorvellaB" and the defaults the practical note reads them with.
#include <string_view>

namespace norvella::practical_note {

namespace key {
inline constexpr std::u16string_view kText = u"Text";
inline constexpr std::u16string_view kRememberText = u"RememberText";
inline constexpr std::u16string_view kAlpha = u"Alpha";
inline constexpr std::u16string_view kRememberAlpha = u"RememberAlpha";
inline constexpr std::u16string_view kLeft = u"Left";
inline constexpr std::u16string_view kTop = u"Top";
inline constexpr std::u16string_view kRememberLocation = u"RememberLocation";
inline constexpr std::u16string_view kWidth = u"Width";
inline constexpr std::u16string_view kHeight = u"Height";
inline constexpr std::u16string_view kRememberSize = u"RememberSize";
inline constexpr std::u16string_view kAutoMove = u"AutoMove";
inline constexpr std::u16string_view kHideToolsBar = u"HideToolsBar";
inline constexpr std::u16string_view kFront = u"Front";
inline constexpr std::u16string_view kFormMove = u"FormMove";
inline constexpr std::u16string_view kFormSize = u"FormSize";
inline constexpr std::u16string_view kFontName = u"FontName";
inline constexpr std::u16string_view kFontSize = u"FontSize";
// The hub writes "FontBold"; the note has always asked for "Fontbold". The store ignores case.
inline constexpr std::u16string_view kFontBold = u"Fontbold";
inline constexpr std::u16string_view kFontItalic = u"FontItalic";
inline constexpr std::u16string_view kUnderLine = u"UnderLine";
inline constexpr std::u16string_view kFontColor = u"FontColor";
inline constexpr std::u16string_view kBackColor = u"BackColor";
}  // namespace key

namespace fallback {
inline constexpr std::u16string_view kYes = u"Yes";
inline constexpr std::u16string_view kNo = u"No";
inline constexpr std::u16string_view kAlpha = u"221";
inline constexpr std::u16string_view kWidth = u"3800";
inline constexpr std::u16string_view kHeight = u"2000";
inline constexpr std::u16string_view kOne = u"1";
inline constexpr std::u16string_view kZero = u"0";
inline constexpr std::u16string_view kFontName = u"宋体";
inline constexpr std::u16string_view kFontSize = u"9";
inline constexpr std::u16string_view kFontColor = u"0";
inline constexpr std::u16string_view kBackColor = u"12648447";
}  // namespace fallback

}  // namespace norvella::practical_note
