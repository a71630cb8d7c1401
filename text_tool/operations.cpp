#include "text_tool/operations.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "common/guid_source.h"
#include "common/narrow_codec.h"
#include "common/random_source.h"
#include "text_tool/texts.h"

namespace norvella::text_tool {
namespace {

constexpr std::u16string_view kCrLf = u"\r\n";
constexpr char16_t kCr = u'\r';

Outcome Refuse(std::u16string_view message) {
  Outcome outcome;
  outcome.itip = message;
  return outcome;
}

// Sizes are compared as doubles: exact far beyond the limit, and free of overflow for any input.
bool TooLong(double length) { return length > static_cast<double>(kMaxResultLength); }

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

std::u16string Repeat(std::u16string_view piece, std::size_t times) {
  std::u16string out;
  out.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i) out += piece;
  return out;
}

std::u16string Decimal(long long value) {
  const std::string text = std::to_string(value);
  return std::u16string(text.begin(), text.end());
}

// Start positions of the occurrences of `pattern` in `text`, found from the left without overlap
// (Knuth-Morris-Pratt, so that no text and pattern make the search quadratic).
std::vector<std::size_t> FindAll(std::u16string_view text, std::u16string_view pattern) {
  std::vector<std::size_t> found;
  if (pattern.empty() || pattern.size() > text.size()) return found;
  std::vector<std::size_t> border(pattern.size(), 0);
  for (std::size_t i = 1, k = 0; i < pattern.size(); ++i) {
    while (k > 0 && pattern[i] != pattern[k]) k = border[k - 1];
    if (pattern[i] == pattern[k]) ++k;
    border[i] = k;
  }
  for (std::size_t i = 0, k = 0; i < text.size(); ++i) {
    while (k > 0 && text[i] != pattern[k]) k = border[k - 1];
    if (text[i] == pattern[k]) ++k;
    if (k == pattern.size()) {
      found.push_back(i + 1 - k);
      k = 0;  // the next occurrence starts after this one
    }
  }
  return found;
}

std::u16string ReplaceAt(std::u16string_view text, std::u16string_view pattern,
                         const std::vector<std::size_t>& at, std::u16string_view replacement) {
  std::u16string out;
  out.reserve(text.size() - at.size() * pattern.size() + at.size() * replacement.size());
  std::size_t from = 0;
  for (std::size_t start : at) {
    out.append(text.substr(from, start - from));
    out.append(replacement);
    from = start + pattern.size();
  }
  out.append(text.substr(from));
  return out;
}

struct CodeRange {
  char16_t first;
  char16_t last;
  bool Contains(char16_t c) const { return c >= first && c <= last; }
};

CodeRange RangeOf(DeleteType type) {
  switch (type) {
    case DeleteType::Digits: return {u'0', u'9'};
    case DeleteType::Upper: return {u'A', u'Z'};
    default: return {u'a', u'z'};
  }
}

CodeRange RangeOf(ConvertType type) {
  switch (type) {
    case ConvertType::Digits: return {u'0', u'9'};
    case ConvertType::Upper: return {u'A', u'Z'};
    default: return {u'a', u'z'};
  }
}

// The "汉字" pass: a unit stays when the code page gives it alone a single byte other than 0.
// Each distinct unit is converted once.
std::u16string KeepSingleByteCharacters(std::u16string_view editor, const NarrowCodec& codec) {
  std::vector<signed char> keep(0x10000, -1);
  std::u16string out;
  out.reserve(editor.size());
  for (char16_t c : editor) {
    signed char& known = keep[c];
    if (known < 0) {
      const std::string bytes = codec.Encode(std::u16string_view(&c, 1));
      known = bytes.size() == 1 && bytes[0] != '\0' ? 1 : 0;
    }
    if (known) out.push_back(c);
  }
  return out;
}

// Drops `n` units from the start (`from_left`) or the end of every line at least `n` long.
std::u16string TrimLines(std::u16string_view editor, std::size_t n, bool from_left) {
  std::u16string out;
  out.reserve(editor.size());
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = std::min(editor.find(kCrLf, start), editor.size());
    std::u16string_view line = editor.substr(start, end - start);
    if (line.size() >= n) line = from_left ? line.substr(n) : line.substr(0, line.size() - n);
    out.append(line);
    if (end == editor.size()) break;
    out.append(kCrLf);
    start = end + kCrLf.size();
  }
  return out;
}

}  // namespace

std::optional<long long> CountValue(std::u16string_view text) {
  if (text.empty()) return std::nullopt;
  long long value = 0;
  for (char16_t c : text) {
    if (!IsDigit(c)) return std::nullopt;
    value = std::min(value * 10 + (c - u'0'), 1'000'000'000'000'000LL);
  }
  return value;
}

// ---------------------------------------------------------------------------------------------
// Delete (`code1`)

Outcome DeleteChars(const DeleteRequest& request, std::u16string_view editor,
                    const NarrowCodec& codec) {
  const bool type = request.type != DeleteType::None;
  const bool direction = request.direction != DeleteDirection::None;
  if (type && direction) return Refuse(text::kMsgConflict);
  if (!request.text.empty() && type) return Refuse(text::kMsgConflict);
  if (!request.text.empty() && direction) return Refuse(text::kMsgConflict);
  if (request.count.empty()) return Refuse(text::kMsgIncomplete);

  Outcome outcome;
  if (type) {
    if (request.type == DeleteType::Chinese) {
      outcome.text = KeepSingleByteCharacters(editor, codec);
    } else {
      // Removing the codes one after another in rising order leaves the text without any of them.
      const CodeRange range = RangeOf(request.type);
      std::u16string out;
      out.reserve(editor.size());
      for (char16_t c : editor)
        if (!range.Contains(c)) out.push_back(c);
      outcome.text = std::move(out);
    }
    outcome.snapshot = std::u16string(editor);
    outcome.itip = text::kDone;
    outcome.lastact = text::kLastDeleteByType;
    return outcome;
  }

  if (!direction) {
    if (request.text.empty()) return {};  // nothing chosen: nothing happens, nothing is shown
    outcome.snapshot = std::u16string(editor);
    outcome.text = ReplaceAt(editor, request.text, FindAll(editor, request.text), u"");
    outcome.itip = text::kDone;
    outcome.lastact = text::kLastDeleteText;
    return outcome;
  }

  const std::optional<long long> count = CountValue(request.count);
  if (!count) return Refuse(text::kMsgBadParam);
  const auto n = static_cast<std::size_t>(*count);
  outcome.snapshot = std::u16string(editor);
  switch (request.direction) {
    case DeleteDirection::FromLeft:
      outcome.text = TrimLines(editor, n, true);
      break;
    case DeleteDirection::FromRight:
      outcome.text = TrimLines(editor, n, false);
      break;
    case DeleteDirection::FromTop:
      outcome.text = n < editor.size() ? std::u16string(editor.substr(n)) : std::u16string();
      break;
    case DeleteDirection::FromBottom:
      outcome.text = n < editor.size() ? std::u16string(editor.substr(0, editor.size() - n))
                                       : std::u16string();
      break;
    case DeleteDirection::None:
      break;
  }
  outcome.itip = text::kDone;
  outcome.lastact = text::kLastDeleteByPosition;
  return outcome;
}

// ---------------------------------------------------------------------------------------------
// Convert (`code2`)

namespace {

// The passes for the codes of `range`, in rising order, each replacing its character by
// `replacement` in the text the earlier passes left. A character c of the text thus becomes
// `replacement` with every character of a later code in it expanded the same way: its expansion
// E(c) is worked out once per code, from the last code down, and the text is built in one pass.
class TypeConversion {
 public:
  TypeConversion(CodeRange range, std::u16string_view replacement)
      : range_(range), replacement_(replacement) {
    const int codes = range_.last - range_.first + 1;
    length_.assign(static_cast<std::size_t>(codes), 0);
    for (int c = codes - 1; c >= 0; --c) {
      double length = 0;
      for (char16_t r : replacement_)
        length += Expands(r, c) ? length_[static_cast<std::size_t>(r - range_.first)] : 1;
      length_[static_cast<std::size_t>(c)] = std::min(length, 1e300);
    }
  }

  double ResultLength(std::u16string_view editor) const {
    double length = 0;
    for (char16_t c : editor) length += range_.Contains(c) ? length_[Index(c)] : 1;
    return length;
  }

  std::u16string Convert(std::u16string_view editor) {
    expansion_.assign(length_.size(), std::nullopt);
    std::u16string out;
    out.reserve(static_cast<std::size_t>(ResultLength(editor)));
    for (char16_t c : editor) {
      if (range_.Contains(c)) {
        out += Expansion(Index(c));
      } else {
        out.push_back(c);
      }
    }
    return out;
  }

 private:
  std::size_t Index(char16_t c) const { return static_cast<std::size_t>(c - range_.first); }
  // A character r of the replacement inserted by the pass of code index c is converted again
  // when its own pass comes later.
  bool Expands(char16_t r, int c) const {
    return range_.Contains(r) && static_cast<int>(r - range_.first) > c;
  }

  const std::u16string& Expansion(std::size_t c) {
    if (!expansion_[c]) {
      std::u16string out;
      out.reserve(static_cast<std::size_t>(length_[c]));
      for (char16_t r : replacement_) {
        if (Expands(r, static_cast<int>(c))) {
          out += Expansion(Index(r));
        } else {
          out.push_back(r);
        }
      }
      expansion_[c] = std::move(out);
    }
    return *expansion_[c];
  }

  CodeRange range_;
  std::u16string_view replacement_;
  std::vector<double> length_;
  std::vector<std::optional<std::u16string>> expansion_;
};

}  // namespace

Outcome ConvertChars(const ConvertRequest& request, std::u16string_view editor) {
  const bool type = request.type != ConvertType::None;
  if (!request.from.empty() && type) return Refuse(text::kMsgConflict);
  if (request.from.empty() && !type) return Refuse(text::kMsgIncomplete);
  if (request.to.empty() && !request.line_break) return Refuse(text::kMsgIncomplete);
  const std::u16string_view replacement = request.line_break ? kCrLf : request.to;

  Outcome outcome;
  if (type) {
    TypeConversion conversion(RangeOf(request.type), replacement);
    if (TooLong(conversion.ResultLength(editor))) return Refuse(text::kResultTooLong);
    outcome.snapshot = std::u16string(editor);
    outcome.text = conversion.Convert(editor);
    outcome.lastact = text::kLastConvertByType;
  } else {
    const std::vector<std::size_t> at = FindAll(editor, request.from);
    const double length = static_cast<double>(editor.size()) +
                          static_cast<double>(at.size()) *
                              (static_cast<double>(replacement.size()) - static_cast<double>(request.from.size()));
    if (TooLong(length)) return Refuse(text::kResultTooLong);
    outcome.snapshot = std::u16string(editor);
    outcome.text = ReplaceAt(editor, request.from, at, replacement);
    outcome.lastact = text::kLastConvertText;
  }
  outcome.itip = text::kDone;
  return outcome;
}

// ---------------------------------------------------------------------------------------------
// Insert (`code7`)

std::u16string InsertEvery(std::u16string_view input, std::u16string_view insertion, std::size_t block) {
  if (block == 0) return std::u16string(input);
  const std::size_t blocks = input.size() / block;
  std::u16string out;
  out.reserve(input.size() + blocks * insertion.size());
  for (std::size_t i = 0; i < blocks; ++i) {
    out.append(input.substr(i * block, block));
    out.append(insertion);
  }
  out.append(input.substr(blocks * block));
  return out;
}

Outcome InsertChars(const InsertRequest& request, std::u16string_view editor) {
  const std::u16string_view insertion = request.line_break ? kCrLf : request.insertion;
  if (insertion.empty()) return Refuse(text::kMsgIncomplete);
  if (request.count.empty()) return Refuse(text::kMsgIncomplete);
  const std::optional<long long> count = CountValue(request.count);
  if (!count) return Refuse(text::kMsgBadParam);
  if (*count == 0) return Refuse(text::kMsgIncomplete);
  if (request.input.size() < 2) return Refuse(text::kMsgBadParam);
  if (static_cast<unsigned long long>(*count) > request.input.size()) return Refuse(text::kMsgBadParam);
  const auto block = static_cast<std::size_t>(*count);
  const double length = static_cast<double>(editor.size()) + 2 +
                        static_cast<double>(request.input.size()) +
                        static_cast<double>(request.input.size() / block) *
                            static_cast<double>(insertion.size());
  if (TooLong(length)) return Refuse(text::kResultTooLong);

  Outcome outcome;
  outcome.snapshot = std::u16string(editor);
  std::u16string out(editor);
  out += kCrLf;
  out += InsertEvery(request.input, insertion, block);
  outcome.text = std::move(out);
  outcome.lastact = text::kLastInsert;
  return outcome;
}

// ---------------------------------------------------------------------------------------------
// Random arrangement (the repeat procedure and `rndchgtxt`)

std::u16string RandomArrangement(std::u16string_view input, RandomSource& random) {
  // Each draw takes slot k = the integer nearest to x * (L - 1), halves to even, and draws again
  // when that slot was used. So every interior slot has weight 1 and the two end slots weight
  // 1/2, and a draw lands on each unused slot with its weight's share of the unused weight.
  // Sampling that share directly gives the same arrangements with the same probabilities in
  // linear time, without the redraws that pile up as the slots fill.
  const std::size_t length = input.size();
  std::u16string out;
  out.reserve(length);
  if (length < 3) return std::u16string(input);
  std::vector<std::size_t> interior(length - 2);
  for (std::size_t i = 0; i < interior.size(); ++i) interior[i] = i + 1;
  std::size_t unused_interior = interior.size();
  bool first_unused = true;
  bool last_unused = true;
  for (std::size_t taken = 0; taken < length; ++taken) {
    const double ends = 0.5 * ((first_unused ? 1 : 0) + (last_unused ? 1 : 0));
    const double point = random.NextFraction() * (static_cast<double>(unused_interior) + ends);
    if (point < static_cast<double>(unused_interior)) {
      const auto pick = std::min(static_cast<std::size_t>(point), unused_interior - 1);
      out.push_back(input[interior[pick]]);
      interior[pick] = interior[--unused_interior];
    } else if (first_unused && (!last_unused || point - static_cast<double>(unused_interior) < 0.5)) {
      out.push_back(input.front());
      first_unused = false;
    } else {
      out.push_back(input.back());
      last_unused = false;
    }
  }
  return out;
}

Outcome ArrangeChars(const ArrangeRequest& request, std::u16string_view editor, RandomSource& random) {
  if (request.count.empty()) return Refuse(text::kMsgIncomplete);
  const std::optional<long long> count = CountValue(request.count);
  if (!count) return Refuse(text::kMsgBadParam);
  const std::size_t passes = static_cast<std::size_t>(*count);
  const bool arrangeable = request.input.size() > 2;
  const double length = static_cast<double>(editor.size()) + 1 +
                        (arrangeable ? static_cast<double>(passes) *
                                           (2.0 + static_cast<double>(request.input.size()))
                                     : 0.0);
  if (TooLong(length)) return Refuse(text::kResultTooLong);

  Outcome outcome;
  outcome.snapshot = std::u16string(editor);
  std::u16string out(editor);
  out.reserve(static_cast<std::size_t>(length));
  for (std::size_t i = 0; i < passes; ++i) {
    if (!arrangeable) {
      outcome.itip = text::kMsgBadParam;
      continue;
    }
    out += kCrLf;
    out += RandomArrangement(request.input, random);
    outcome.itip = text::kDone;
    outcome.lastact = text::kLastArrange;
  }
  out.push_back(kCr);
  outcome.text = std::move(out);
  return outcome;
}

// ---------------------------------------------------------------------------------------------
// Generate (`code3`, `code31`)

namespace {

Outcome GeneratePerLine(const GenerateRequest& request, std::u16string_view editor) {
  if (!request.repeat.empty() && !request.single.empty()) return Refuse(text::kMsgConflict);
  std::u16string_view item;
  std::optional<long long> count = 0;
  if (!request.single.empty()) {
    item = request.single;
    count = CountValue(request.single_count);
  } else if (!request.repeat.empty()) {
    item = request.repeat;
    count = CountValue(request.repeat_count);
  }
  if (!count) return Refuse(text::kMsgBadParam);
  const bool line_start = request.position == GeneratePosition::EachLineStart;
  const double block = static_cast<double>(item.size()) * static_cast<double>(*count);
  const double carriage_returns =
      static_cast<double>(std::count(editor.begin(), editor.end(), kCr)) + 1;
  if (TooLong(static_cast<double>(editor.size()) + 2 + carriage_returns * (block + 1)))
    return Refuse(text::kResultTooLong);

  Outcome outcome;
  outcome.snapshot = std::u16string(editor);
  const std::u16string with_break =
      line_start ? std::u16string(kCrLf) + std::u16string(editor) : std::u16string(editor) + std::u16string(kCrLf);
  const std::u16string repeated = Repeat(item, static_cast<std::size_t>(*count));
  // Only the carriage return is matched: the line feed after it stays behind the insertion.
  const std::u16string replacement =
      line_start ? std::u16string(kCrLf) + repeated : repeated + std::u16string(kCrLf);
  std::u16string out;
  out.reserve(static_cast<std::size_t>(static_cast<double>(with_break.size()) + carriage_returns * (block + 1)));
  for (char16_t c : with_break) {
    if (c == kCr) {
      out += replacement;
    } else {
      out.push_back(c);
    }
  }
  outcome.text = std::move(out);
  outcome.itip = text::kDone;
  outcome.lastact = text::kLastGeneratePerLine;
  return outcome;
}

Outcome GenerateRepeated(const GenerateRequest& request, std::u16string_view item,
                         std::u16string_view count_text, std::u16string_view editor) {
  if (request.position == GeneratePosition::EachLineEnd ||
      request.position == GeneratePosition::EachLineStart)
    return GeneratePerLine(request, editor);
  const std::optional<long long> count = CountValue(count_text);
  if (!count) return Refuse(text::kMsgBadParam);
  const std::u16string_view separator = request.break_each ? kCrLf : u"";
  const double length = static_cast<double>(editor.size()) + 2 +
                        static_cast<double>(*count) * static_cast<double>(item.size() + separator.size());
  if (TooLong(length)) return Refuse(text::kResultTooLong);

  std::u16string copy(item);
  copy += separator;
  // Up to 100 copies are appended one at a time; above that the block is a remainder of r copies
  // followed by h hundred-blocks, h being the count's first digit: C copies either way.
  const auto copies = static_cast<std::size_t>(*count);
  const bool hundreds = copies > 100;
  std::u16string block = Repeat(copy, copies);

  Outcome outcome;
  outcome.snapshot = std::u16string(editor);
  std::u16string out;
  out.reserve(static_cast<std::size_t>(length));
  if (request.position == GeneratePosition::After) {
    out.append(editor);
    out += block;
    out.push_back(kCr);
  } else {
    out += block;
    out.push_back(kCr);
    out.append(editor);
  }
  if (!hundreds) out.push_back(kCr);  // the short path appends one more carriage return
  outcome.text = std::move(out);
  outcome.itip = text::kDone;
  outcome.lastact = text::kLastGenerateRepeated;
  return outcome;
}

Outcome GenerateByRule(const GenerateRequest& request, std::u16string_view editor) {
  if (request.first.empty() || request.rule_count.empty() || request.step.empty() ||
      request.rule == GenerateRule::None)
    return Refuse(text::kMsgIncomplete);
  const std::optional<long long> count = CountValue(request.rule_count);
  const std::optional<long long> step = CountValue(request.step);
  if (!count || !step) return Refuse(text::kMsgBadParam);
  const bool arithmetic = request.rule == GenerateRule::Add || request.rule == GenerateRule::Subtract;
  const std::optional<long long> first = arithmetic ? CountValue(request.first) : 0;
  if (!first) return Refuse(text::kMsgBadParam);

  Outcome outcome;
  outcome.snapshot = std::u16string(editor);
  outcome.itip = text::kDone;
  outcome.lastact = text::kLastGenerateRule;
  const bool after = request.position == GeneratePosition::After;
  if (!after && request.position != GeneratePosition::Before) return outcome;  // per-line positions

  const long long n = *count;
  const long long s = *step;
  const std::u16string_view unit = request.first;
  const double unit_length = static_cast<double>(unit.size());
  const double dn = static_cast<double>(n);
  double added = 0;
  switch (request.rule) {
    case GenerateRule::Add:
    case GenerateRule::Subtract:
      added = (dn + 1) * 24;  // a separator and at most 22 characters of a number
      break;
    case GenerateRule::Grow:
    case GenerateRule::Shrink: {
      const bool stepped = (request.rule == GenerateRule::Grow) == after;
      const double copies = stepped ? static_cast<double>(s) * dn * (dn + 1) / 2 : dn * (dn + 1) / 2;
      added = 2 * (dn + 1) + copies * unit_length;
      break;
    }
    case GenerateRule::None:
      break;
  }
  if (TooLong(static_cast<double>(editor.size()) + added)) return Refuse(text::kResultTooLong);

  const std::u16string_view separator = request.break_each ? kCrLf : u"";
  const long long sign = request.rule == GenerateRule::Subtract ? -1 : 1;
  // The pieces in the order they read from top to bottom.
  std::vector<std::u16string> pieces;
  std::u16string out;
  if (after) {
    out.append(editor);
    switch (request.rule) {
      case GenerateRule::Add:
      case GenerateRule::Subtract:
        for (long long i = 0; i <= n; ++i) {
          out += separator;
          out += Decimal(*first + sign * i * s);
        }
        break;
      case GenerateRule::Grow: {
        std::u16string run;
        for (long long i = 0; i <= n; ++i) {
          out += kCrLf;
          out += run;
          for (long long k = 0; k < s; ++k) run += unit;
        }
        break;
      }
      case GenerateRule::Shrink:
        for (long long i = 0; i < n; ++i) {
          out += kCrLf;
          for (long long k = 0; k < n - i; ++k) out += unit;
        }
        break;
      case GenerateRule::None:
        break;
    }
  } else {
    // Each step puts its piece in front of the whole text, so the last piece ends up on top.
    switch (request.rule) {
      case GenerateRule::Add:
      case GenerateRule::Subtract:
        for (long long i = n; i >= 0; --i) {
          out += Decimal(*first + sign * i * s);
          out += kCrLf;
        }
        break;
      case GenerateRule::Grow:
        for (long long i = n - 1; i >= 0; --i) {
          for (long long k = 0; k < n - i; ++k) out += unit;
          out += kCrLf;
        }
        break;
      case GenerateRule::Shrink:
        for (long long i = n; i >= 0; --i) {
          for (long long k = 0; k < i * s; ++k) out += unit;
          out += kCrLf;
        }
        break;
      case GenerateRule::None:
        break;
    }
    out.append(editor);
  }
  outcome.text = std::move(out);
  return outcome;
}

}  // namespace

Outcome GenerateChars(const GenerateRequest& request, std::u16string_view editor) {
  const bool single = !request.single.empty() && !request.single_count.empty();
  const bool repeat = !request.repeat.empty() && !request.repeat_count.empty();
  const bool rule = request.rule != GenerateRule::None;
  if ((single && repeat) || (single && rule) || (repeat && rule)) return Refuse(text::kMsgConflict);
  if (single) return GenerateRepeated(request, request.single, request.single_count, editor);
  if (repeat) return GenerateRepeated(request, request.repeat, request.repeat_count, editor);
  return GenerateByRule(request, editor);
}

// ---------------------------------------------------------------------------------------------
// Number compression (`CompressDigits`, `ExpandDigits`, `code5`)

std::u16string SwapPairs(std::u16string_view text) {
  std::u16string out(text);
  for (std::size_t i = 0; i + 1 < out.size(); i += 2) std::swap(out[i], out[i + 1]);
  return out;
}

std::u16string CompressDigits(std::u16string_view digits) {
  std::u16string merged;
  merged.reserve(digits.size());
  std::size_t p = 0;
  while (p < digits.size()) {
    if (!IsDigit(digits[p])) {  // not a digit: kept as it is (the panel refuses such input)
      merged.push_back(digits[p++]);
      continue;
    }
    // A chunk would lose the zeros it begins with, since a value is written without them: a
    // "0" is a chunk of its own, encoded and expanded as "0".
    if (digits[p] == u'0') {
      merged.push_back(u'0');
      ++p;
      continue;
    }
    std::size_t length = 0;
    int value = 0;
    while (length < 3 && p + length < digits.size() && IsDigit(digits[p + length])) {
      value = value * 10 + (digits[p + length] - u'0');
      ++length;
    }
    if (value > 126) {
      length = 2;
      value /= 10;
    }
    if ((value >= 33 && value <= 47) || (value >= 58 && value <= 126)) {
      merged.push_back(static_cast<char16_t>(value));
    } else {
      merged += Decimal(value);
    }
    p += length;
  }
  return SwapPairs(merged);
}

std::u16string ExpandDigits(std::u16string_view compressed, const NarrowCodec& codec) {
  const std::u16string merged = SwapPairs(compressed);
  std::u16string out;
  out.reserve(merged.size() * 3);
  for (char16_t c : merged) {
    if (IsDigit(c)) {
      out.push_back(c);
    } else if (c < 0x80) {
      out += Decimal(c);
    } else {
      unsigned long long code = 0;
      for (char byte : codec.Encode(std::u16string_view(&c, 1)))
        code = (code << 8) | static_cast<unsigned char>(byte);
      out += Decimal(static_cast<long long>(code));
    }
  }
  return out;
}

Outcome CompressOrExpand(const CompressRequest& request, std::u16string_view editor,
                         const NarrowCodec& codec) {
  if (!request.digits.empty() && !request.compressed.empty()) return Refuse(text::kMsgConflict);
  if (request.digits.empty() && request.compressed.empty()) return Refuse(text::kMsgIncomplete);
  Outcome outcome;
  std::u16string out(editor);
  out += kCrLf;
  if (!request.digits.empty()) {
    if (request.digits.front() == u'0') return Refuse(text::kLeadingZero);
    if (request.digits.size() > kMaxDigits) return Refuse(text::kDigitsTooLong);
    if (!std::all_of(request.digits.begin(), request.digits.end(), IsDigit))
      return Refuse(text::kDigitsOnly);
    out += CompressDigits(request.digits);
    outcome.lastact = text::kLastCompress;
  } else {
    if (request.compressed.size() > kMaxDigits) return Refuse(text::kCompressedTooLong);
    out += ExpandDigits(request.compressed, codec);
    outcome.lastact = text::kLastExpand;
  }
  outcome.snapshot = std::u16string(editor);
  outcome.text = std::move(out);
  outcome.itip = text::kDone;
  return outcome;
}

// ---------------------------------------------------------------------------------------------
// Special operations (`code6`)

char16_t RandomSerialChar(RandomSource& random) {
  static constexpr std::u16string_view kAlphabet = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  const auto at = static_cast<std::size_t>(random.NextFraction() * 36);
  return kAlphabet[std::min<std::size_t>(at, 35)];
}

std::u16string RandomSerial(RandomSource& random) {
  std::u16string out;
  out.reserve(29);
  for (int i = 0; i < 25; ++i) {
    if (i > 0 && i % 5 == 0) out.push_back(u'-');
    out.push_back(RandomSerialChar(random));
  }
  return out;
}

std::u16string GuidSerial(GuidSource& guids) {
  const std::u16string guid = guids.NewGuidText();
  if (guid.size() < 29) return {};
  return guid.substr(5, 24);
}

Outcome SpecialOperation(const SpecialRequest& request, std::u16string_view editor,
                         RandomSource& random, GuidSource& guids) {
  if (request.format != SerialFormat::None && request.join) return Refuse(text::kMsgConflict);
  Outcome outcome;
  std::u16string current(editor);
  if (request.join) {
    outcome.snapshot = current;
    std::erase(current, kCr);
    outcome.text = current;
    outcome.lastact = text::kLastJoin;
  }
  const std::optional<long long> count =
      request.count.empty() ? std::optional<long long>(0) : CountValue(request.count);
  if (!count) {
    outcome.itip = text::kMsgBadParam;
    return outcome;
  }
  if (*count < 1) {
    outcome.itip = text::kMsgIncomplete;
    return outcome;
  }
  if (request.format == SerialFormat::None) return outcome;
  if (TooLong(static_cast<double>(current.size()) + static_cast<double>(*count) * 31))
    return Refuse(text::kResultTooLong);
  outcome.snapshot = current;
  for (long long i = 0; i < *count; ++i) {
    current += request.format == SerialFormat::FiveByFour ? GuidSerial(guids) : RandomSerial(random);
    current += kCrLf;
  }
  outcome.text = std::move(current);
  outcome.lastact = text::kLastSerials;
  return outcome;
}

}  // namespace norvella::text_tool
