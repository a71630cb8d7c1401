#pragma once
// Scrivlet's batch operations over the editor text. Each takes what its panel holds and the
// editor text, checks its inputs in a fixed order and hands back what the window applies: the
// undo snapshot it took, the editor's new text, and the two status texts. Lengths and positions
// count UTF-16 code units; a line break is CR LF, two units. Every operation is linear in the
// length of its input and its result.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace norvella {
class GuidSource;
class NarrowCodec;
class RandomSource;
}  // namespace norvella

namespace norvella::text_tool {

// The longest text an operation produces. A result beyond it (a few bytes of input can ask for
// billions of characters) is refused with text::kResultTooLong before anything changes.
inline constexpr std::size_t kMaxResultLength = std::size_t{1} << 23;

struct Outcome {
  std::optional<std::u16string> snapshot;  // the new undo text, when the operation took one
  std::optional<std::u16string> text;      // the editor's new text, when the operation wrote it
  std::optional<std::u16string_view> itip;
  std::optional<std::u16string_view> lastact;
};

// The delete panel `Frame1` (`code1`).
enum class DeleteType { None, Chinese, Digits, Upper, Lower };                 // `Combo1`
enum class DeleteDirection { None, FromLeft, FromRight, FromTop, FromBottom };  // `Combo2`
struct DeleteRequest {
  DeleteType type = DeleteType::None;
  DeleteDirection direction = DeleteDirection::None;
  std::u16string_view count = u"1";  // `Text10`
  std::u16string_view text;          // `Text2`
};
// `codec` decides what the Chinese-character pass keeps: a character that the narrow code page
// encodes alone as one byte other than 0.
Outcome DeleteChars(const DeleteRequest& request, std::u16string_view editor, const NarrowCodec& codec);

// The convert panel `Frame2` (`code2`).
enum class ConvertType { None, Digits, Upper, Lower };  // `Combo4`
struct ConvertRequest {
  ConvertType type = ConvertType::None;
  std::u16string_view from;  // `Text7`
  std::u16string_view to;    // `Text8`
  bool line_break = false;   // `Check3`
};
Outcome ConvertChars(const ConvertRequest& request, std::u16string_view editor);

// The insert panel `Frame7` (`code7`).
struct InsertRequest {
  std::u16string_view count = u"1";  // `Text18`
  std::u16string_view input;         // `Text19`
  std::u16string_view insertion;     // `Text20`
  bool line_break = false;           // `Check4`
};
Outcome InsertChars(const InsertRequest& request, std::u16string_view editor);
// `insertevery`: `insertion` after every full block of `block` units of `input`; the shorter rest
// follows without it. `block` is at least 1.
std::u16string InsertEvery(std::u16string_view input, std::u16string_view insertion, std::size_t block);

// The random arrangement panel `Frame4`: the repeat procedure with its `rndchgtxt` passes.
struct ArrangeRequest {
  std::u16string_view count = u"1";  // `Text12`
  std::u16string_view input;         // `Text9`
};
Outcome ArrangeChars(const ArrangeRequest& request, std::u16string_view editor, RandomSource& random);
// One arrangement of the units of `input` (at least three).
std::u16string RandomArrangement(std::u16string_view input, RandomSource& random);

// The generate panel `Frame3` (`code3`, `code31`).
enum class GeneratePosition { After, Before, EachLineEnd, EachLineStart };   // `Combo5`
enum class GenerateRule { None, Add, Subtract, Grow, Shrink };                // `Combo6`
struct GenerateRequest {
  GeneratePosition position = GeneratePosition::After;
  bool break_each = true;          // `Check1`
  std::u16string_view single;      // `Text3`
  std::u16string_view single_count;  // `Text4`
  std::u16string_view repeat;      // `Text5`
  std::u16string_view repeat_count;  // `Text6`
  std::u16string_view first;       // `Text13`
  std::u16string_view rule_count;  // `Text14`
  GenerateRule rule = GenerateRule::None;
  std::u16string_view step = u"1";  // `Text15`
};
Outcome GenerateChars(const GenerateRequest& request, std::u16string_view editor);

// The number compression panel `Frame5` (`code5`).
struct CompressRequest {
  std::u16string_view digits;      // `Text16`
  std::u16string_view compressed;  // `Text11`
};
// `codec` gives the code of characters outside ASCII when a compressed text is expanded.
Outcome CompressOrExpand(const CompressRequest& request, std::u16string_view editor,
                         const NarrowCodec& codec);
// `CompressDigits`: a string of 1 to 128 decimal digits whose first is not "0".
std::u16string CompressDigits(std::u16string_view digits);
// `ExpandDigits`: any text; each character that is not a digit becomes the decimal number of its
// code (its code page bytes read as one unsigned number for characters outside ASCII).
std::u16string ExpandDigits(std::u16string_view compressed, const NarrowCodec& codec);
// Swaps neighbouring characters (the 2nd comes first, then the 1st, the 4th, the 3rd ...).
std::u16string SwapPairs(std::u16string_view text);
inline constexpr std::size_t kMaxDigits = 128;

// The special operations panel `Frame6` (`code6`).
enum class SerialFormat { None, FiveByFive, FiveByFour };  // `Option9`, `Option8`, `Option7`
struct SpecialRequest {
  bool join = false;                 // `Check2`
  SerialFormat format = SerialFormat::None;
  std::u16string_view count = u"1";  // `Text17`
};
Outcome SpecialOperation(const SpecialRequest& request, std::u16string_view editor,
                         RandomSource& random, GuidSource& guids);
// `RandomSerialChar` and `RandomSerial`: five groups of five of "A" to "Z" and "0" to "9".
char16_t RandomSerialChar(RandomSource& random);
std::u16string RandomSerial(RandomSource& random);
// Characters 6 to 29 of `NewGuidText`: xxxx-xxxx-xxxx-xxxx-xxxx; empty when no GUID was made.
std::u16string GuidSerial(GuidSource& guids);

// The whole number a count box holds: nothing when the box is empty or holds anything but the
// digits 0 to 9 (text pasted past the key filter). Large values saturate.
std::optional<long long> CountValue(std::u16string_view text);

}  // namespace norvella::text_tool
