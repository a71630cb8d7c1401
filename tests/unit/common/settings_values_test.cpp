#include "common/settings_values.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace norvella {
namespace {

struct YesNoCase {
  std::u16string_view value;
  bool on_only_if_yes;
  bool off_only_if_no;
};

TEST(SettingsValues, YesNoTestsCompareExactly) {
  const YesNoCase cases[] = {
      {u"Yes", true, true},  {u"No", false, false}, {u"yes", false, true}, {u"YES", false, true},
      {u"no", false, true},  {u"", false, true},    {u"Yes ", false, true}, {u"1", false, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(OnOnlyIfYes(c.value), c.on_only_if_yes) << std::string(c.value.begin(), c.value.end());
    EXPECT_EQ(OffOnlyIfNo(c.value), c.off_only_if_no) << std::string(c.value.begin(), c.value.end());
  }
}

TEST(SettingsValues, LeadingNumberTakesTheDecimalNumberAtTheStart) {
  const struct {
    std::u16string_view text;
    std::optional<double> number;
  } cases[] = {
      {u"221", 221},   {u"2.6", 2.6},     {u"10.5", 10.5},  {u"12px", 12},  {u"-300", -300},
      {u"+7", 7},      {u"  42", 42},     {u".5", 0.5},     {u"7.", 7},     {u"3.2.1", 3.2},
      {u"", std::nullopt}, {u"abc", std::nullopt}, {u"-", std::nullopt}, {u".", std::nullopt},
      {u"x12", std::nullopt}, {u"１２", std::nullopt},  // full-width digits are not a number
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LeadingNumber(c.text), c.number) << std::string(c.text.begin(), c.text.end());
  }
  EXPECT_EQ(NumberValue(u""), 0);
  EXPECT_EQ(NumberValue(u"Yes"), 0);
}

TEST(SettingsValues, OneZeroTests) {
  EXPECT_TRUE(IsOne(u"1"));
  EXPECT_TRUE(IsOne(u"1.0"));
  EXPECT_FALSE(IsOne(u"2"));
  EXPECT_FALSE(IsOne(u""));
  EXPECT_TRUE(IsNotZero(u"2"));
  EXPECT_TRUE(IsNotZero(u"-1"));
  EXPECT_FALSE(IsNotZero(u"0"));
  EXPECT_FALSE(IsNotZero(u"abc"));
}

TEST(SettingsValues, RoundingIsHalfToEvenAndSaturates) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.6), 3);
  EXPECT_EQ(RoundHalfEven(1e20), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(RoundHalfEven(-1e20), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(TwipsValue(u"3800"), 3800);
  EXPECT_EQ(TwipsValue(u"99999999999"), std::numeric_limits<std::int32_t>::max());
}

TEST(SettingsValues, ColourIsTheDecimalBgrForm) {
  const Colour fallback{0x123456};
  const Colour pale_yellow = ColourValue(u"12648447", fallback);
  EXPECT_EQ(pale_yellow.Red(), 255);
  EXPECT_EQ(pale_yellow.Green(), 255);
  EXPECT_EQ(pale_yellow.Blue(), 192);
  EXPECT_EQ(ColourValue(u"0", fallback), Colour{0});
  EXPECT_EQ(ColourValue(u"16777215", fallback), Colour{0xFFFFFF});
  EXPECT_EQ(ColourValue(u"16777216", fallback), fallback);  // beyond 24 bits
  EXPECT_EQ(ColourValue(u"-2147483643", fallback), fallback);
  EXPECT_EQ(ColourValue(u"red", fallback), fallback);
  EXPECT_EQ(Colour::FromRgb(255, 255, 192), Colour{12648447});
}

TEST(SettingsValues, NumbersAreWrittenPlainly) {
  EXPECT_EQ(FormatNumber(9), u"9");
  EXPECT_EQ(FormatNumber(10.5), u"10.5");
  EXPECT_EQ(FormatNumber(-300), u"-300");
  EXPECT_EQ(FormatNumber(0), u"0");
  EXPECT_EQ(FormatInteger(12648447), u"12648447");
  // What is written reads back as the same number.
  for (double v : {0.0, 9.0, 10.5, 2.6, -4.25, 3800.0}) EXPECT_EQ(NumberValue(FormatNumber(v)), v);
}

}  // namespace
}  // namespace norvella
