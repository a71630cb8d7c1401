// The batch operations as functions: results exact to the unit, the checks in their order, and
// what each hands back for undo and the status line.
#include "text_tool/operations.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>

#include "common/random_source.h"
#include "tests/support/fake_guid_source.h"
#include "tests/support/gbk_codec.h"
#include "tests/unit/text_tool/text_printer.h"
#include "text_tool/texts.h"

namespace norvella::text_tool::testing {
namespace {

using namespace std::string_view_literals;
using norvella::testing::GbkCodec;

struct Expect {
  std::u16string_view text;
  std::u16string_view lastact;
  std::optional<std::u16string_view> itip = text::kDone;
};

// A successful run: a snapshot of the editor as it was, the new text and the status texts.
void ExpectDone(const Outcome& o, std::u16string_view editor, const Expect& e) {
  ASSERT_TRUE(o.text.has_value()) << (o.itip ? Show(*o.itip) : "no message");
  EXPECT_EQ(Show(*o.text), Show(e.text));
  ASSERT_TRUE(o.snapshot.has_value());
  EXPECT_EQ(*o.snapshot, editor);
  EXPECT_EQ(o.lastact.value_or(u"<none>"), e.lastact);
  EXPECT_EQ(o.itip, e.itip);
}

// A refusal: only the message, nothing written, no snapshot, the last operation kept.
void ExpectRefused(const Outcome& o, std::u16string_view message) {
  EXPECT_EQ(o.itip.value_or(u"<none>"), message);
  EXPECT_FALSE(o.text.has_value());
  EXPECT_FALSE(o.snapshot.has_value());
  EXPECT_FALSE(o.lastact.has_value());
}

// ---------------------------------------------------------------------------------------------
// Delete

DeleteRequest Del(DeleteType type, DeleteDirection direction = DeleteDirection::None,
                  std::u16string_view count = u"1", std::u16string_view target = u"") {
  DeleteRequest r;
  r.type = type;
  r.direction = direction;
  r.count = count;
  r.text = target;
  return r;
}

// Names of table rows for the test list.
template <typename Case>
std::string RowName(const ::testing::TestParamInfo<Case>& row) {
  return row.param.name;
}

struct DeleteCase {
  const char* name;
  DeleteRequest request;
  std::u16string_view editor;
  std::u16string_view expected;
  std::u16string_view lastact;
};

class DeleteTest : public ::testing::TestWithParam<DeleteCase> {};

TEST_P(DeleteTest, GivesTheTextAndStatus) {
  const DeleteCase& c = GetParam();
  GbkCodec gbk;
  ExpectDone(DeleteChars(c.request, c.editor, gbk), c.editor, {c.expected, c.lastact});
}

constexpr auto kByType = text::kLastDeleteByType;
constexpr auto kByPosition = text::kLastDeleteByPosition;
INSTANTIATE_TEST_SUITE_P(
    Cases, DeleteTest,
    ::testing::Values(
        DeleteCase{"Digits", Del(DeleteType::Digits), u"a1b22c", u"abc", kByType},
        DeleteCase{"Upper", Del(DeleteType::Upper), u"AbC", u"b", kByType},
        DeleteCase{"LowerKeepsFullWidth", Del(DeleteType::Lower), u"aＢｃ1z", u"Ｂｃ1", kByType},
        DeleteCase{"DigitsKeepFullWidth", Del(DeleteType::Digits), u"１2３", u"１３", kByType},
        DeleteCase{"ChineseAndFullWidth", Del(DeleteType::Chinese), u"中文ABC，123", u"ABC123", kByType},
        // Units GBK cannot hold become "?" alone and stay; NUL becomes byte 0 and goes.
        DeleteCase{"ChineseKeepsWhatBecomesQuestionMark", Del(DeleteType::Chinese),
                   u"a\0b😀中\r\n"sv, u"ab😀\r\n", kByType},
        DeleteCase{"FromLeft", Del(DeleteType::None, DeleteDirection::FromLeft, u"2"),
                   u"abcd\r\na\r\nxy", u"cd\r\na\r\n", kByPosition},
        DeleteCase{"FromRight", Del(DeleteType::None, DeleteDirection::FromRight, u"3"), u"hello", u"he",
                   kByPosition},
        DeleteCase{"FromRightEveryLine", Del(DeleteType::None, DeleteDirection::FromRight, u"1"),
                   u"ab\r\n\r\ncd\r\n", u"a\r\n\r\nc\r\n", kByPosition},
        DeleteCase{"FromTopCountsLineBreaks", Del(DeleteType::None, DeleteDirection::FromTop, u"3"),
                   u"ab\r\ncd", u"\ncd", kByPosition},
        DeleteCase{"FromBottom", Del(DeleteType::None, DeleteDirection::FromBottom, u"2"), u"ab\r\ncd",
                   u"ab\r\n", kByPosition},
        DeleteCase{"FromBottomWholeText", Del(DeleteType::None, DeleteDirection::FromBottom, u"5"),
                   u"hello", u"", kByPosition},
        DeleteCase{"FromTopMore", Del(DeleteType::None, DeleteDirection::FromTop, u"99999"), u"hello",
                   u"", kByPosition},
        DeleteCase{"ZeroKeepsTheText", Del(DeleteType::None, DeleteDirection::FromBottom, u"0"),
                   u"hello", u"hello", kByPosition},
        DeleteCase{"TextWithoutOverlap", Del(DeleteType::None, DeleteDirection::None, u"1", u"aa"),
                   u"aaa", u"a", text::kLastDeleteText},
        DeleteCase{"TextCaseSensitive", Del(DeleteType::None, DeleteDirection::None, u"1", u"ab"),
                   u"abABcab", u"ABc", text::kLastDeleteText}),
    RowName<DeleteCase>);

TEST(Delete, ChecksComeInTheirOrder) {
  GbkCodec gbk;
  const auto run = [&](DeleteRequest r) { return DeleteChars(r, u"a1", gbk); };
  ExpectRefused(run(Del(DeleteType::Digits, DeleteDirection::FromLeft, u"", u"x")), text::kMsgConflict);
  ExpectRefused(run(Del(DeleteType::Digits, DeleteDirection::None, u"1", u"x")), text::kMsgConflict);
  ExpectRefused(run(Del(DeleteType::None, DeleteDirection::FromTop, u"", u"x")), text::kMsgConflict);
  ExpectRefused(run(Del(DeleteType::None, DeleteDirection::FromTop, u"", u"")), text::kMsgIncomplete);
  // An emptied count box blocks every way, even those that do not use it.
  ExpectRefused(run(Del(DeleteType::None, DeleteDirection::None, u"", u"a")), text::kMsgIncomplete);
  ExpectRefused(run(Del(DeleteType::Digits, DeleteDirection::None, u"", u"")), text::kMsgIncomplete);
  // Text pasted into the count past its key filter is refused, not read as a smaller number.
  ExpectRefused(run(Del(DeleteType::None, DeleteDirection::FromTop, u"1a")), text::kMsgBadParam);
}

TEST(Delete, NothingChosenDoesNothingAndShowsNothing) {
  GbkCodec gbk;
  const Outcome o = DeleteChars(Del(DeleteType::None), u"abc", gbk);
  EXPECT_FALSE(o.text || o.snapshot || o.itip || o.lastact);
}

TEST(Delete, ChinesePassHandlesTextsBeyond32767Units) {
  GbkCodec gbk;
  std::u16string editor;
  for (int i = 0; i < 20000; ++i) editor += u"中a";
  const Outcome o = DeleteChars(Del(DeleteType::Chinese), editor, gbk);
  EXPECT_EQ(*o.text, std::u16string(20000, u'a'));
}

// ---------------------------------------------------------------------------------------------
// Convert

// The passes as the old program ran them: one code after the other, each over the text the
// earlier ones left.
std::u16string ConvertCodeByCode(std::u16string text, char16_t first, char16_t last,
                                 std::u16string_view replacement) {
  for (char16_t c = first; c <= last; ++c) {
    std::u16string out;
    for (char16_t u : text) {
      if (u == c) out += replacement;
      else out.push_back(u);
    }
    text = out;
  }
  return text;
}

struct ConvertCase {
  const char* name;
  ConvertRequest request;
  std::u16string_view editor;
  std::u16string_view expected;
};

class ConvertTest : public ::testing::TestWithParam<ConvertCase> {};

TEST_P(ConvertTest, GivesTheText) {
  const ConvertCase& c = GetParam();
  const auto lastact = c.request.type == ConvertType::None ? text::kLastConvertText : text::kLastConvertByType;
  ExpectDone(ConvertChars(c.request, c.editor), c.editor, {c.expected, lastact});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConvertTest,
    ::testing::Values(
        ConvertCase{"DigitsToStar", {ConvertType::Digits, u"", u"*"}, u"a1b22", u"a*b**"},
        ConvertCase{"LaterCodeConvertedAgain", {ConvertType::Digits, u"", u"x1"}, u"0", u"xx1"},
        ConvertCase{"EarlierCodeStays", {ConvertType::Digits, u"", u"0"}, u"5", u"0"},
        ConvertCase{"Chain", {ConvertType::Digits, u"", u"98"}, u"0a", u"98988a"},
        ConvertCase{"UpperToB", {ConvertType::Upper, u"", u"B"}, u"AbZＡ", u"BbBＡ"},
        ConvertCase{"LineBreakIgnoresText8", {ConvertType::Digits, u"", u"", true}, u"a1b",
                    u"a\r\nb"},
        ConvertCase{"TextOnceEach", {ConvertType::None, u"ab", u"ab-ab"}, u"abab", u"ab-abab-ab"},
        ConvertCase{"TextToLineBreak", {ConvertType::None, u"，", u"x", true}, u"甲，乙",
                    u"甲\r\n乙"}),
    RowName<ConvertCase>);

TEST(Convert, OnePassGivesWhatThePassesCodeByCodeGive) {
  SeededRandom random(11);
  const std::u16string alphabet = u"0123456789xyz";
  for (int round = 0; round < 300; ++round) {
    std::u16string editor, replacement;
    const auto pick = [&] { return alphabet[static_cast<size_t>(random.NextFraction() * 13)]; };
    for (int i = static_cast<int>(random.NextFraction() * 12); i >= 0; --i) editor += pick();
    for (int i = static_cast<int>(random.NextFraction() * 4); i >= 0; --i) replacement += pick();
    const Outcome o = ConvertChars({ConvertType::Digits, u"", replacement}, editor);
    ASSERT_TRUE(o.text) << Show(editor) << " " << Show(replacement);
    EXPECT_EQ(*o.text, ConvertCodeByCode(editor, u'0', u'9', replacement))
        << Show(editor) << " with " << Show(replacement);
  }
}

TEST(Convert, ChecksComeInTheirOrder) {
  ExpectRefused(ConvertChars({ConvertType::Digits, u"a", u""}, u"a1"), text::kMsgConflict);
  ExpectRefused(ConvertChars({ConvertType::None, u"", u"x"}, u"a1"), text::kMsgIncomplete);
  ExpectRefused(ConvertChars({ConvertType::Digits, u"", u""}, u"a1"), text::kMsgIncomplete);
}

TEST(Convert, AResultTooLongToHoldIsRefused) {
  // Each letter's replacement holds every later letter: "A" would grow to billions of units.
  ExpectRefused(ConvertChars({ConvertType::Upper, u"", u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"}, u"A"),
                text::kResultTooLong);
}

// ---------------------------------------------------------------------------------------------
// Insert

struct InsertCase {
  const char* name;
  InsertRequest request;
  std::u16string_view editor;
  std::u16string_view expected;
};

class InsertTest : public ::testing::TestWithParam<InsertCase> {};

TEST_P(InsertTest, AppendsTheCutTextOnANewLine) {
  const InsertCase& c = GetParam();
  ExpectDone(InsertChars(c.request, c.editor), c.editor, {c.expected, text::kLastInsert, std::nullopt});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InsertTest,
    ::testing::Values(
        InsertCase{"Remainder", {u"3", u"abcdefg", u"-"}, u"", u"\r\nabc-def-g"},
        InsertCase{"AfterLastFullBlock", {u"3", u"abcdef", u"-"}, u"", u"\r\nabc-def-"},
        InsertCase{"WholeInput", {u"3", u"abc", u"-"}, u"x", u"x\r\nabc-"},
        InsertCase{"EveryUnit", {u"1", u"abc", u"--"}, u"x", u"x\r\na--b--c--"},
        InsertCase{"LineBreaks", {u"2", u"abcdef", u"ignored", true}, u"", u"\r\nab\r\ncd\r\nef\r\n"},
        InsertCase{"CrLfIsTwoUnits", {u"3", u"ab\r\ncd", u"-"}, u"", u"\r\nab\r-\ncd-"}),
    RowName<InsertCase>);

TEST(Insert, ChecksComeInTheirOrder) {
  // The insertion is tested before the count.
  ExpectRefused(InsertChars({u"", u"abc", u""}, u"x"), text::kMsgIncomplete);
  ExpectRefused(InsertChars({u"9", u"abc", u""}, u"x"), text::kMsgIncomplete);
  ExpectRefused(InsertChars({u"", u"abc", u"-"}, u"x"), text::kMsgIncomplete);
  ExpectRefused(InsertChars({u"0", u"abc", u"-"}, u"x"), text::kMsgIncomplete);
  ExpectRefused(InsertChars({u"1a", u"abc", u"-"}, u"x"), text::kMsgBadParam);
  ExpectRefused(InsertChars({u"1", u"a", u"-"}, u"x"), text::kMsgBadParam);
  ExpectRefused(InsertChars({u"4", u"abc", u"-"}, u"x"), text::kMsgBadParam);
}

TEST(Insert, InputsBeyond32767UnitsAreCutCorrectly) {
  const std::u16string input(40001, u'a');
  const Outcome o = InsertChars({u"9999", input, u"|"}, u"");
  ASSERT_TRUE(o.text);
  EXPECT_EQ(o.text->size(), 2 + 40001 + 4u);
  EXPECT_EQ((*o.text)[2 + 9999], u'|');
  EXPECT_EQ(o.text->back(), u'a');
}

// ---------------------------------------------------------------------------------------------
// Random arrangement

bool IsPermutationOf(std::u16string a, std::u16string b) {
  std::sort(a.begin(), a.end());
  std::sort(b.begin(), b.end());
  return a == b;
}

TEST(Arrange, AppendsOneArrangementPerLineThenACarriageReturn) {
  SeededRandom random(3);
  const Outcome o = ArrangeChars({u"3", u"abc"}, u"x", random);
  ASSERT_TRUE(o.text);
  ASSERT_EQ(o.text->size(), 1 + 3 * 5 + 1u);
  EXPECT_EQ(o.text->substr(0, 1), u"x");
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(o.text->substr(1 + 5 * static_cast<size_t>(i), 2), u"\r\n");
    EXPECT_TRUE(IsPermutationOf(o.text->substr(3 + 5 * static_cast<size_t>(i), 3), u"abc"));
  }
  EXPECT_EQ(o.text->back(), u'\r');
  EXPECT_EQ(*o.snapshot, u"x");
  EXPECT_EQ(o.itip, text::kDone);
  EXPECT_EQ(o.lastact, text::kLastArrange);
}

TEST(Arrange, ZeroPassesAndShortInputsStillAppendTheCarriageReturn) {
  SeededRandom random(3);
  Outcome o = ArrangeChars({u"0", u"abc"}, u"x", random);
  EXPECT_EQ(o.text, u"x\r");
  EXPECT_EQ(o.snapshot, u"x");
  EXPECT_FALSE(o.itip || o.lastact);
  o = ArrangeChars({u"5", u"ab"}, u"", random);
  EXPECT_EQ(o.text, u"\r");
  EXPECT_EQ(o.itip, text::kMsgBadParam);
  EXPECT_FALSE(o.lastact);
  ExpectRefused(ArrangeChars({u"", u"abc"}, u"x", random), text::kMsgIncomplete);
  ExpectRefused(ArrangeChars({u"2x", u"abc"}, u"x", random), text::kMsgBadParam);
}

TEST(Arrange, LineBreaksOfTheInputAreTwoUnitsArrangedApart) {
  SeededRandom random(5);
  for (int i = 0; i < 50; ++i)
    EXPECT_TRUE(IsPermutationOf(RandomArrangement(u"a\r\nb", random), u"a\r\nb"));
}

TEST(Arrange, EveryArrangementOccursWithTheSlotDrawsWeights) {
  // k = nearest-even(x * 2) hits slot 1 half the time and each end a quarter; a used slot is
  // drawn again. So abc comes as bac or bca with 1/4 each, abc and cba with 1/6, acb and cab
  // with 1/12.
  SeededRandom random(42);
  std::map<std::u16string, int> seen;
  constexpr int kDraws = 60000;
  for (int i = 0; i < kDraws; ++i) ++seen[RandomArrangement(u"abc", random)];
  ASSERT_EQ(seen.size(), 6u);
  const std::map<std::u16string, double> expected = {{u"bac", 1 / 4.0}, {u"bca", 1 / 4.0},
                                                     {u"abc", 1 / 6.0}, {u"cba", 1 / 6.0},
                                                     {u"acb", 1 / 12.0}, {u"cab", 1 / 12.0}};
  for (const auto& [arrangement, p] : expected)
    EXPECT_NEAR(seen[arrangement] / static_cast<double>(kDraws), p, 0.01) << Show(arrangement);
}

TEST(Arrange, LongInputsArePermutations) {
  SeededRandom random(9);
  std::u16string input;
  for (int i = 0; i < 32767; ++i) input.push_back(static_cast<char16_t>(0x4E00 + i % 5000));
  EXPECT_TRUE(IsPermutationOf(RandomArrangement(input, random), input));
}

// ---------------------------------------------------------------------------------------------
// Generate

struct GenerateCase {
  const char* name;
  GenerateRequest request;
  std::u16string_view editor;
  std::u16string_view expected;
  std::u16string_view lastact;
};

GenerateRequest Single(GeneratePosition p, std::u16string_view item, std::u16string_view count, bool breaks) {
  GenerateRequest r;
  r.position = p;
  r.single = item;
  r.single_count = count;
  r.break_each = breaks;
  return r;
}

GenerateRequest Repeat(GeneratePosition p, std::u16string_view item, std::u16string_view count) {
  GenerateRequest r;
  r.position = p;
  r.repeat = item;
  r.repeat_count = count;
  return r;
}

GenerateRequest Rule(GeneratePosition p, GenerateRule rule, std::u16string_view first,
                     std::u16string_view count, std::u16string_view step, bool breaks = true) {
  GenerateRequest r;
  r.position = p;
  r.rule = rule;
  r.first = first;
  r.rule_count = count;
  r.step = step;
  r.break_each = breaks;
  return r;
}

std::u16string Times(std::u16string_view piece, int n) {
  std::u16string out;
  for (int i = 0; i < n; ++i) out += piece;
  return out;
}

const std::u16string kA150 = Times(u"a\r\n", 150) + u"\r";
const std::u16string kA100 = Times(u"a\r\n", 100) + u"\r\r";
const std::u16string kBefore150 = Times(u"a", 150) + u"\rx";

class GenerateTest : public ::testing::TestWithParam<GenerateCase> {};

TEST_P(GenerateTest, GivesTheText) {
  const GenerateCase& c = GetParam();
  ExpectDone(GenerateChars(c.request, c.editor), c.editor, {c.expected, c.lastact});
}

constexpr auto kAfter = GeneratePosition::After;
constexpr auto kBefore = GeneratePosition::Before;
constexpr auto kLineEnd = GeneratePosition::EachLineEnd;
constexpr auto kLineStart = GeneratePosition::EachLineStart;
constexpr auto kRepeated = text::kLastGenerateRepeated;
constexpr auto kPerLine = text::kLastGeneratePerLine;
constexpr auto kRule = text::kLastGenerateRule;

INSTANTIATE_TEST_SUITE_P(
    Cases, GenerateTest,
    ::testing::Values(
        GenerateCase{"ThreeCopiesTwoCarriageReturns", Single(kAfter, u"a", u"3", true), u"",
                     u"a\r\na\r\na\r\n\r\r", kRepeated},
        GenerateCase{"HundredTakesTheShortPath", Single(kAfter, u"a", u"100", true), u"", kA100, kRepeated},
        GenerateCase{"AboveHundredOneCarriageReturn", Single(kAfter, u"a", u"150", true), u"", kA150,
                     kRepeated},
        GenerateCase{"CountZero", Single(kAfter, u"a", u"0", true), u"t", u"t\r\r", kRepeated},
        GenerateCase{"Before", Single(kBefore, u"a", u"2", false), u"x", u"aa\rx\r", kRepeated},
        GenerateCase{"BeforeAboveHundred", Single(kBefore, u"a", u"150", false), u"x", kBefore150,
                     kRepeated},
        GenerateCase{"RepeatedText", Repeat(kAfter, u"ab\r\nc", u"2"), u"", u"ab\r\nc\r\nab\r\nc\r\n\r\r",
                     kRepeated},
        GenerateCase{"EachLineEndKeepsTheLineFeeds", Single(kLineEnd, u"X", u"1", false), u"ab\r\ncd",
                     u"abX\r\n\ncdX\r\n\n", kPerLine},
        GenerateCase{"EachLineStart", Single(kLineStart, u"X", u"1", false), u"ab\r\ncd",
                     u"\r\nX\nab\r\nX\ncd", kPerLine},
        GenerateCase{"EachLineEndRepeatedText", Repeat(kLineEnd, u"yz", u"2"), u"ab", u"abyzyz\r\n\n",
                     kPerLine},
        GenerateCase{"Add", Rule(kAfter, GenerateRule::Add, u"5", u"2", u"3"), u"",
                     u"\r\n5\r\n8\r\n11", kRule},
        GenerateCase{"AddWithoutBreaks", Rule(kAfter, GenerateRule::Add, u"5", u"2", u"3", false), u"",
                     u"5811", kRule},
        GenerateCase{"Subtract", Rule(kAfter, GenerateRule::Subtract, u"1", u"2", u"1"), u"",
                     u"\r\n1\r\n0\r\n-1", kRule},
        GenerateCase{"AddBefore", Rule(kBefore, GenerateRule::Add, u"1", u"3", u"1"), u"x",
                     u"4\r\n3\r\n2\r\n1\r\nx", kRule},
        GenerateCase{"SubtractBefore", Rule(kBefore, GenerateRule::Subtract, u"1", u"2", u"1"), u"",
                     u"-1\r\n0\r\n1\r\n", kRule},
        GenerateCase{"Grow", Rule(kAfter, GenerateRule::Grow, u"ab", u"2", u"1"), u"",
                     u"\r\n\r\nab\r\nabab", kRule},
        GenerateCase{"Shrink", Rule(kAfter, GenerateRule::Shrink, u"ab", u"2", u"1"), u"",
                     u"\r\nabab\r\nab", kRule},
        GenerateCase{"GrowBefore", Rule(kBefore, GenerateRule::Grow, u"ab", u"2", u"1"), u"x",
                     u"ab\r\nabab\r\nx", kRule},
        GenerateCase{"ShrinkBefore", Rule(kBefore, GenerateRule::Shrink, u"ab", u"2", u"1"), u"x",
                     u"abab\r\nab\r\n\r\nx", kRule},
        GenerateCase{"GrowSteps", Rule(kAfter, GenerateRule::Grow, u"z", u"2", u"2"), u"",
                     u"\r\n\r\nzz\r\nzzzz", kRule}),
    RowName<GenerateCase>);

TEST(Generate, RefusalsAndTheirOrder) {
  GenerateRequest all = Single(kAfter, u"a", u"1", true);
  all.repeat = u"b";
  all.repeat_count = u"1";
  ExpectRefused(GenerateChars(all, u"t"), text::kMsgConflict);
  GenerateRequest single_and_rule = Single(kAfter, u"a", u"1", true);
  single_and_rule.rule = GenerateRule::Add;
  ExpectRefused(GenerateChars(single_and_rule, u"t"), text::kMsgConflict);
  GenerateRequest repeat_and_rule = Repeat(kAfter, u"a", u"1");
  repeat_and_rule.rule = GenerateRule::Grow;
  ExpectRefused(GenerateChars(repeat_and_rule, u"t"), text::kMsgConflict);
  // The per-line path refuses a character and a text together, even without the text's count.
  GenerateRequest per_line = Single(kLineEnd, u"a", u"1", false);
  per_line.repeat = u"b";
  ExpectRefused(GenerateChars(per_line, u"t"), text::kMsgConflict);

  ExpectRefused(GenerateChars({}, u"t"), text::kMsgIncomplete);
  ExpectRefused(GenerateChars(Rule(kAfter, GenerateRule::None, u"1", u"1", u"1"), u"t"), text::kMsgIncomplete);
  ExpectRefused(GenerateChars(Rule(kAfter, GenerateRule::Add, u"1", u"", u"1"), u"t"), text::kMsgIncomplete);
  ExpectRefused(GenerateChars(Rule(kAfter, GenerateRule::Add, u"1", u"1", u""), u"t"), text::kMsgIncomplete);

  // Counts and values pasted with other characters are refused, never read as another number.
  ExpectRefused(GenerateChars(Single(kAfter, u"a", u"1x", true), u"t"), text::kMsgBadParam);
  ExpectRefused(GenerateChars(Single(kLineStart, u"a", u"x", true), u"t"), text::kMsgBadParam);
  ExpectRefused(GenerateChars(Rule(kAfter, GenerateRule::Add, u"5a", u"1", u"1"), u"t"), text::kMsgBadParam);
  ExpectRefused(GenerateChars(Rule(kAfter, GenerateRule::Grow, u"ab", u"2 ", u"1"), u"t"), text::kMsgBadParam);
}

TEST(Generate, PerLineResultsTooLongAreRefused) {
  const std::u16string editor = Times(u"\r\n", 30000);
  ExpectRefused(GenerateChars(Repeat(kLineEnd, std::u16string(99, u'q'), u"999"), editor),
                text::kResultTooLong);
}

// ---------------------------------------------------------------------------------------------
// Number compression

std::u16string Codes(std::initializer_list<int> codes) {
  std::u16string out;
  for (int c : codes) out.push_back(static_cast<char16_t>(c));
  return out;
}

struct CompressCase {
  std::u16string_view digits;
  std::u16string compressed;
};

class CompressTest : public ::testing::TestWithParam<CompressCase> {};

TEST_P(CompressTest, CompressesAndExpandsBack) {
  GbkCodec gbk;
  EXPECT_EQ(Show(CompressDigits(GetParam().digits)), Show(GetParam().compressed));
  EXPECT_EQ(ExpandDigits(GetParam().compressed, gbk), GetParam().digits);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, CompressTest,
    ::testing::Values(CompressCase{u"123456789", Codes({45, 123, 89, 67})},
                      CompressCase{u"1000", u"0d"}, CompressCase{u"127", u"217"},
                      CompressCase{u"99", u"c"}, CompressCase{u"99999", u"cc9"},
                      CompressCase{u"7", u"7"}, CompressCase{u"100", u"d"},
                      CompressCase{u"126", u"~"}, CompressCase{u"3248", u"2384"},
                      // A chunk would begin with "0": the zero is a chunk of its own.
                      CompressCase{u"10005", u"0d5"}, CompressCase{u"1000000", u"0d000"},
                      CompressCase{u"120012", u"0x21"}));

TEST(Compress, ExpandingTextOfTheOldFormStaysAsItWas) {
  GbkCodec gbk;
  // What 10005 compressed to before zeros were kept: it still expands the same way.
  EXPECT_EQ(ExpandDigits(u"5d", gbk), u"1005");
  // Characters outside the compressed alphabet still give digits.
  EXPECT_EQ(ExpandDigits(u" ", gbk), u"32");
  EXPECT_EQ(ExpandDigits(u"a\r", gbk), u"1397");
  EXPECT_EQ(ExpandDigits(u"中", gbk), u"54992");  // GBK D6 D0 as one number
}

TEST(Compress, SwapIsItsOwnInverse) {
  EXPECT_EQ(SwapPairs(u"abcde"), u"badce");
  EXPECT_EQ(SwapPairs(u"abcd"), u"badc");
  EXPECT_EQ(SwapPairs(SwapPairs(u"abcdefg")), u"abcdefg");
}

TEST(Compress, EveryDigitStringComesBackExactly) {
  GbkCodec gbk;
  SeededRandom random(2024);
  for (int round = 0; round < 5000; ++round) {
    const auto length = 1 + static_cast<size_t>(random.NextFraction() * 128);
    const double zeros = random.NextFraction();  // from a few zeros to mostly zeros
    std::u16string digits(1, static_cast<char16_t>(u'1' + static_cast<int>(random.NextFraction() * 9)));
    while (digits.size() < length)
      digits.push_back(random.NextFraction() < zeros ? u'0'
                                                     : static_cast<char16_t>(u'0' + static_cast<int>(random.NextFraction() * 10)));
    const std::u16string compressed = CompressDigits(digits);
    EXPECT_LE(compressed.size(), digits.size());
    ASSERT_EQ(ExpandDigits(compressed, gbk), digits) << Show(digits);
  }
}

TEST(Compress, TheOperationAppendsAndRefuses) {
  GbkCodec gbk;
  ExpectDone(CompressOrExpand({u"1000", u""}, u"", gbk), u"", {u"\r\n0d", text::kLastCompress});
  ExpectDone(CompressOrExpand({u"", u"0d"}, u"x", gbk), u"x", {u"x\r\n1000", text::kLastExpand});
  ExpectRefused(CompressOrExpand({u"1", u"1"}, u"x", gbk), text::kMsgConflict);
  ExpectRefused(CompressOrExpand({u"", u""}, u"x", gbk), text::kMsgIncomplete);
  ExpectRefused(CompressOrExpand({u"0123", u""}, u"x", gbk), text::kLeadingZero);
  ExpectRefused(CompressOrExpand({u"12 3", u""}, u"x", gbk), text::kDigitsOnly);
  ExpectRefused(CompressOrExpand({u"12\r\n", u""}, u"x", gbk), text::kDigitsOnly);
  ExpectDone(CompressOrExpand({std::u16string(128, u'9'), u""}, u"", gbk), u"",
             {u"\r\n" + CompressDigits(std::u16string(128, u'9')), text::kLastCompress});
  ExpectRefused(CompressOrExpand({std::u16string(129, u'9'), u""}, u"x", gbk), text::kDigitsTooLong);
  ExpectRefused(CompressOrExpand({u"", std::u16string(129, u'a')}, u"x", gbk), text::kCompressedTooLong);
}

// ---------------------------------------------------------------------------------------------
// Special operations

TEST(Special, JoinRemovesCarriageReturnsOnly) {
  SeededRandom random(1);
  norvella::testing::FakeGuidSource guids;
  const Outcome o = SpecialOperation({true, SerialFormat::None, u"1"}, u"a\r\nb\r\n", random, guids);
  ExpectDone(o, u"a\r\nb\r\n", {u"a\nb\n", text::kLastJoin, std::nullopt});
}

TEST(Special, JoinWithAnEmptyCountJoinsAndStillSaysIncomplete) {
  SeededRandom random(1);
  norvella::testing::FakeGuidSource guids;
  const Outcome o = SpecialOperation({true, SerialFormat::None, u""}, u"a\r\nb", random, guids);
  EXPECT_EQ(o.text, u"a\nb");
  EXPECT_EQ(o.itip, text::kMsgIncomplete);
  EXPECT_EQ(o.lastact, text::kLastJoin);
}

TEST(Special, FourGroupSerialsComeFromTheGuid) {
  SeededRandom random(1);
  norvella::testing::FakeGuidSource guids;
  const Outcome o = SpecialOperation({false, SerialFormat::FiveByFour, u"3"}, u"", random, guids);
  ASSERT_TRUE(o.text);
  const std::regex shape("([0-9A-F]{4}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{4}\r\n){3}");
  EXPECT_TRUE(std::regex_match(Utf16ToUtf8(*o.text), shape)) << Show(*o.text);
  EXPECT_EQ(o.lastact, text::kLastSerials);
  EXPECT_FALSE(o.itip);
  EXPECT_EQ(o.snapshot, u"");
}

TEST(Special, FiveGroupSerialsFollowTheTextDirectly) {
  SeededRandom random(1);
  norvella::testing::FakeGuidSource guids;
  const Outcome o = SpecialOperation({false, SerialFormat::FiveByFive, u"2"}, u"abc", random, guids);
  ASSERT_TRUE(o.text);
  const std::regex shape("abc([A-Z0-9]{5}(-[A-Z0-9]{5}){4}\r\n){2}");
  EXPECT_TRUE(std::regex_match(Utf16ToUtf8(*o.text), shape)) << Show(*o.text);
}

TEST(Special, AFailedGuidLeavesAnEmptyLine) {
  SeededRandom random(1);
  norvella::testing::FakeGuidSource guids;
  guids.failures = 1;
  const Outcome o = SpecialOperation({false, SerialFormat::FiveByFour, u"2"}, u"", random, guids);
  ASSERT_TRUE(o.text);
  EXPECT_EQ(o.text->substr(0, 2), u"\r\n");
  EXPECT_EQ(o.text->size(), 2 + 26u);
}

TEST(Special, Refusals) {
  SeededRandom random(1);
  norvella::testing::FakeGuidSource guids;
  ExpectRefused(SpecialOperation({true, SerialFormat::FiveByFive, u"1"}, u"a", random, guids), text::kMsgConflict);
  ExpectRefused(SpecialOperation({false, SerialFormat::FiveByFive, u"0"}, u"a", random, guids), text::kMsgIncomplete);
  ExpectRefused(SpecialOperation({false, SerialFormat::FiveByFour, u""}, u"a", random, guids), text::kMsgIncomplete);
  ExpectRefused(SpecialOperation({false, SerialFormat::FiveByFour, u"2b"}, u"a", random, guids), text::kMsgBadParam);
  // Nothing chosen at all: nothing happens.
  const Outcome o = SpecialOperation({false, SerialFormat::None, u"1"}, u"a", random, guids);
  EXPECT_FALSE(o.text || o.snapshot || o.itip || o.lastact);
}

TEST(Special, SerialCharactersAreDrawnFromAllThirtySix) {
  SeededRandom random(8);
  std::map<char16_t, int> seen;
  for (int i = 0; i < 20000; ++i) ++seen[RandomSerialChar(random)];
  ASSERT_EQ(seen.size(), 36u);
  for (const auto& [c, n] : seen) EXPECT_NEAR(n, 20000 / 36.0, 120) << static_cast<char>(c);
}

}  // namespace
}  // namespace norvella::text_tool::testing
