#pragma once
// The system clipboard, plain text only.
#include <string>
#include <string_view>

namespace norvella {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // The clipboard's text; empty when it holds none or cannot be opened.
  virtual std::u16string Text() const = 0;
  // Empties the clipboard and puts `text` on it (an empty text leaves it holding an empty text).
  virtual bool SetText(std::u16string_view text) = 0;
};

}  // namespace norvella
