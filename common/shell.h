#pragma once
// Opening documents and web addresses with the user's default handler.
#include <string_view>

namespace norvella {

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens `address` with the verb "Open" in a normal window, `folder` as its working folder.
  // False when the system could not open it.
  virtual bool OpenAddress(std::u16string_view address, std::u16string_view folder) = 0;
};

}  // namespace norvella
