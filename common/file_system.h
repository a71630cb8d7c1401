#pragma once
// Files as the models see them: whole files read and written at once, by full path.
#include <optional>
#include <string>
#include <string_view>

namespace norvella {

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // The file's bytes, or nothing when it cannot be read.
  virtual std::optional<std::string> ReadFile(std::u16string_view path) const = 0;
  // Creates or replaces the file with `bytes`. The bytes are written to a new file beside it
  // first and moved over it only when complete, so a failure leaves an earlier file as it was.
  virtual bool WriteFileAtomically(std::u16string_view path, std::string_view bytes) = 0;
};

}  // namespace norvella
