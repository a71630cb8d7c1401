#include "common/user_text_file.h"

#include "common/file_system.h"
#include "common/narrow_codec.h"
#include "common/utf.h"

namespace norvella {

EncodedText EncodeUserText(std::u16string_view text, const NarrowCodec& codec) {
  bool lossless = true;
  std::string narrow = codec.Encode(text, &lossless);
  if (lossless) return {std::move(narrow), false};
  std::string utf8(kUtf8ByteOrderMark);
  utf8 += Utf16ToUtf8(text);
  return {std::move(utf8), true};
}

bool WriteUserTextFile(FileSystem& files, const NarrowCodec& codec, std::u16string_view path,
                       std::u16string_view text) {
  return files.WriteFileAtomically(path, EncodeUserText(text, codec).bytes);
}

std::u16string DecodeUserText(std::string_view bytes, const NarrowCodec& codec) {
  if (bytes.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark)
    return Utf8ToUtf16(bytes.substr(kUtf8ByteOrderMark.size()));
  return codec.Decode(bytes);
}

}  // namespace norvella
