#include "common/settings_values.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace norvella {

bool OnOnlyIfYes(std::u16string_view value) { return value == kYes; }

bool OffOnlyIfNo(std::u16string_view value) { return value != kNo; }

std::optional<double> LeadingNumber(std::u16string_view value) {
  size_t i = 0;
  while (i < value.size() && (value[i] == u' ' || value[i] == u'\t')) ++i;
  std::string number;  // the matched part, in the form strtod reads
  if (i < value.size() && (value[i] == u'+' || value[i] == u'-')) number.push_back(static_cast<char>(value[i++]));
  bool digits = false;
  const auto take_digits = [&] {
    for (; i < value.size() && value[i] >= u'0' && value[i] <= u'9'; ++i) {
      number.push_back(static_cast<char>(value[i]));
      digits = true;
    }
  };
  take_digits();
  if (i < value.size() && value[i] == u'.') {
    number.push_back('.');
    ++i;
    take_digits();
  }
  if (!digits) return std::nullopt;
  return std::strtod(number.c_str(), nullptr);
}

double NumberValue(std::u16string_view value) { return LeadingNumber(value).value_or(0.0); }

std::int32_t RoundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  const double rounded = std::nearbyint(value);  // the default rounding mode is to nearest, even
  if (rounded >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
    return std::numeric_limits<std::int32_t>::max();
  if (rounded <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
    return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(rounded);
}

Colour ColourValue(std::u16string_view value, Colour fallback) {
  const auto number = LeadingNumber(value);
  if (!number || *number < 0 || *number > 0xFFFFFF) return fallback;
  return Colour{static_cast<std::uint32_t>(RoundHalfEven(*number))};
}

std::u16string FormatInteger(std::int64_t value) {
  const std::string text = std::to_string(value);
  return std::u16string(text.begin(), text.end());
}

std::u16string FormatNumber(double value) {
  if (std::nearbyint(value) == value && std::fabs(value) < 9.0e15)
    return FormatInteger(static_cast<std::int64_t>(value));
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15g", value);
  const std::string text(buffer);
  return std::u16string(text.begin(), text.end());
}

}  // namespace norvella
