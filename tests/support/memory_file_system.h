#pragma once
// Files in memory, for unit tests; a path can be made to fail its next writes.
#include <map>
#include <set>
#include <string>

#include "common/file_system.h"

namespace norvella::testing {

class MemoryFileSystem final : public FileSystem {
 public:
  std::map<std::u16string, std::string> files;
  std::set<std::u16string> failing;  // writes to these paths fail, leaving what was there

  std::optional<std::string> ReadFile(std::u16string_view path) const override {
    const auto it = files.find(std::u16string(path));
    if (it == files.end()) return std::nullopt;
    return it->second;
  }
  bool WriteFileAtomically(std::u16string_view path, std::string_view bytes) override {
    if (failing.count(std::u16string(path))) return false;
    files[std::u16string(path)] = std::string(bytes);
    return true;
  }
};

}  // namespace norvella::testing
