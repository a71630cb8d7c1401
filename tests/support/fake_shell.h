#pragma once
// Records every address a model asks the shell to open.
#include <string>
#include <vector>

#include "common/shell.h"

namespace norvella::testing {

class FakeShell final : public Shell {
 public:
  std::vector<std::u16string> opened;
  std::u16string last_folder;
  bool OpenAddress(std::u16string_view address, std::u16string_view folder) override {
    opened.emplace_back(address);
    last_folder = std::u16string(folder);
    return true;
  }
};

}  // namespace norvella::testing
