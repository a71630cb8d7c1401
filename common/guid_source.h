#pragma once
// New globally unique identifiers in the system's text form: 38 characters, "{", 8, 4, 4, 4 and 12
// upper-case hexadecimal digits separated by "-", and "}".
#include <string>

namespace norvella {

class GuidSource {
 public:
  virtual ~GuidSource() = default;
  // The text of a new identifier, or nothing when the system could not make one.
  virtual std::u16string NewGuidText() = 0;
};

}  // namespace norvella
