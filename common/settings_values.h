#pragma once
// The value forms of the settings store, read and written the same way by every program.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/colour.h"

namespace norvella {

// Yes/No keys: readers compare the exact texts "Yes" and "No" (letter case counts).
inline constexpr std::u16string_view kYes = u"Yes";
inline constexpr std::u16string_view kNo = u"No";
// On only if the text is exactly "Yes"; anything else, the empty text included, is off.
bool OnOnlyIfYes(std::u16string_view value);
// Off only if the text is exactly "No"; anything else, a missing key included, is on.
bool OffOnlyIfNo(std::u16string_view value);
inline std::u16string_view YesNo(bool on) { return on ? kYes : kNo; }

// The decimal number at the start of the text ("2.6" gives 2.6, "12px" gives 12), or nothing when
// the text does not start with one. Leading blanks and one sign are accepted.
std::optional<double> LeadingNumber(std::u16string_view value);
// The Number form: the leading number, 0 when there is none (the empty text reads as 0).
double NumberValue(std::u16string_view value);

// 1/0 keys, read as a number.
inline bool IsOne(std::u16string_view value) { return NumberValue(value) == 1.0; }
inline bool IsNotZero(std::u16string_view value) { return NumberValue(value) != 0.0; }
inline std::u16string_view OneZero(bool on) { return on ? u"1" : u"0"; }

// A number converted to the nearest integer with halves to even, as the store's writers round,
// saturated to the 32-bit range.
std::int32_t RoundHalfEven(double value);
// Twips: a Number of twips, as a whole number.
inline std::int32_t TwipsValue(std::u16string_view value) { return RoundHalfEven(NumberValue(value)); }

// Colour: the decimal form of 0x00BBGGRR. A text that is not a number, or one outside the 24-bit
// range, reads as `fallback`.
Colour ColourValue(std::u16string_view value, Colour fallback);

// Plain decimal text as the store keeps numbers: no separators, a fraction only when the value has
// one ("9", "10.5", "-300").
std::u16string FormatNumber(double value);
std::u16string FormatInteger(std::int64_t value);

}  // namespace norvella
