#pragma once
#include "common/file_system.h"

namespace norvella::win {

class Win32FileSystem final : public FileSystem {
 public:
  std::optional<std::string> ReadFile(std::u16string_view path) const override;
  bool WriteFileAtomically(std::u16string_view path, std::string_view bytes) override;
};

}  // namespace norvella::win
