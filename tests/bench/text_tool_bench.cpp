// Every batch operation on the largest editor text (65535 units) and a 32767-unit panel input.
#include <benchmark/benchmark.h>

#include <string>

#include "common/random_source.h"
#include "tests/support/fake_guid_source.h"
#include "tests/support/gbk_codec.h"
#include "text_tool/operations.h"

namespace norvella::text_tool {
namespace {

// Chinese, Latin letters of both cases, digits and a line break every 40 units.
std::u16string MixedText(std::size_t length) {
  static constexpr std::u16string_view kPieces[] = {u"中文", u"Scrivlet", u"2024", u"，", u"abc",
                                                    u"批量处理", u"XYZ", u"7"};
  std::u16string text;
  std::size_t i = 0;
  while (text.size() < length) {
    text += (text.size() % 40 > 36) ? std::u16string_view(u"\r\n") : kPieces[i++ % std::size(kPieces)];
  }
  text.resize(length);
  return text;
}

const std::u16string& Editor() {
  static const std::u16string text = MixedText(65535);
  return text;
}
const std::u16string& Input() {
  static const std::u16string text = MixedText(32767);
  return text;
}

void Delete(benchmark::State& state, DeleteRequest request) {
  testing::GbkCodec gbk;
  for (auto _ : state) benchmark::DoNotOptimize(DeleteChars(request, Editor(), gbk));
}
BENCHMARK_CAPTURE(Delete, chinese, DeleteRequest{DeleteType::Chinese, DeleteDirection::None, u"1", u""});
BENCHMARK_CAPTURE(Delete, digits, DeleteRequest{DeleteType::Digits, DeleteDirection::None, u"1", u""});
BENCHMARK_CAPTURE(Delete, upper, DeleteRequest{DeleteType::Upper, DeleteDirection::None, u"1", u""});
BENCHMARK_CAPTURE(Delete, from_left, DeleteRequest{DeleteType::None, DeleteDirection::FromLeft, u"3", u""});
BENCHMARK_CAPTURE(Delete, from_right, DeleteRequest{DeleteType::None, DeleteDirection::FromRight, u"3", u""});
BENCHMARK_CAPTURE(Delete, from_top, DeleteRequest{DeleteType::None, DeleteDirection::FromTop, u"100", u""});
BENCHMARK_CAPTURE(Delete, text, DeleteRequest{DeleteType::None, DeleteDirection::None, u"1", u"批量"});

void Convert(benchmark::State& state, ConvertRequest request) {
  for (auto _ : state) benchmark::DoNotOptimize(ConvertChars(request, Editor()));
}
BENCHMARK_CAPTURE(Convert, digits_chain, ConvertRequest{ConvertType::Digits, u"", u"x1", false});
BENCHMARK_CAPTURE(Convert, lower_to_break, ConvertRequest{ConvertType::Lower, u"", u"", true});
BENCHMARK_CAPTURE(Convert, text, ConvertRequest{ConvertType::None, u"中文", u"汉字", false});

void Insert(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(InsertChars({u"3", Input(), u"-", false}, Editor()));
}
BENCHMARK(Insert);

void Arrange(benchmark::State& state) {
  SeededRandom random(1);
  for (auto _ : state) benchmark::DoNotOptimize(ArrangeChars({u"1", Input()}, Editor(), random));
}
BENCHMARK(Arrange);

void Generate(benchmark::State& state, GenerateRequest request) {
  for (auto _ : state) benchmark::DoNotOptimize(GenerateChars(request, Editor()));
}
GenerateRequest Repeated(GeneratePosition position) {
  GenerateRequest r;
  r.position = position;
  r.repeat = u"批量处理";
  r.repeat_count = u"999";
  return r;
}
GenerateRequest ByRule(GenerateRule rule, std::u16string_view first) {
  GenerateRequest r;
  r.rule = rule;
  r.first = first;
  r.rule_count = u"999";
  return r;
}
BENCHMARK_CAPTURE(Generate, repeated_999_after, Repeated(GeneratePosition::After));
BENCHMARK_CAPTURE(Generate, repeated_999_before, Repeated(GeneratePosition::Before));
BENCHMARK_CAPTURE(Generate, each_line_end, [] {
  GenerateRequest r = Repeated(GeneratePosition::EachLineEnd);
  r.repeat_count = u"2";
  return r;
}());
BENCHMARK_CAPTURE(Generate, rule_add_999, ByRule(GenerateRule::Add, u"12345678"));
BENCHMARK_CAPTURE(Generate, rule_shrink_99, [] {
  GenerateRequest r = ByRule(GenerateRule::Shrink, u"ab");
  r.rule_count = u"99";
  return r;
}());

void Compress(benchmark::State& state) {
  testing::GbkCodec gbk;
  const std::u16string digits(u"1" + std::u16string(127, u'0').replace(0, 20, u"98765432109876543210"));
  for (auto _ : state) benchmark::DoNotOptimize(CompressOrExpand({digits, u""}, Editor(), gbk));
}
BENCHMARK(Compress);

void Expand(benchmark::State& state) {
  testing::GbkCodec gbk;
  const std::u16string compressed = CompressDigits(std::u16string(128, u'9'));
  for (auto _ : state) benchmark::DoNotOptimize(CompressOrExpand({u"", compressed}, Editor(), gbk));
}
BENCHMARK(Expand);

void Special(benchmark::State& state, SpecialRequest request) {
  SeededRandom random(1);
  testing::FakeGuidSource guids;
  for (auto _ : state) benchmark::DoNotOptimize(SpecialOperation(request, Editor(), random, guids));
}
BENCHMARK_CAPTURE(Special, join, SpecialRequest{true, SerialFormat::None, u"1"});
BENCHMARK_CAPTURE(Special, serials_5x5_999, SpecialRequest{false, SerialFormat::FiveByFive, u"999"});
BENCHMARK_CAPTURE(Special, serials_5x4_999, SpecialRequest{false, SerialFormat::FiveByFour, u"999"});

}  // namespace
}  // namespace norvella::text_tool

BENCHMARK_MAIN();
