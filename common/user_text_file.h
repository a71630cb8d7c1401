#pragma once
// Writing the user's text to a file. The suite writes text files in the system's narrow code page
// (GBK on Chinese Windows), which other programs of the user expect. A text holding characters
// that code page cannot represent (emoji, rare scripts) would come out with "?" in their place;
// such a text is written as UTF-8 with a byte-order mark instead, so that nothing is lost.
#include <string>
#include <string_view>

namespace norvella {

class FileSystem;
class NarrowCodec;

struct EncodedText {
  std::string bytes;
  bool utf8 = false;  // true when the narrow code page could not hold the text
};

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

EncodedText EncodeUserText(std::u16string_view text, const NarrowCodec& codec);

// Encodes and writes `text` atomically; false when the file could not be written.
bool WriteUserTextFile(FileSystem& files, const NarrowCodec& codec, std::u16string_view path,
                       std::u16string_view text);

// Reads a file written by WriteUserTextFile (or by anyone, in either encoding) back as text.
std::u16string DecodeUserText(std::string_view bytes, const NarrowCodec& codec);

}  // namespace norvella
