#pragma once
// Starting another program of the suite: by full path, without arguments, in a normal window with
// the focus, not waited for.
#include <string_view>

namespace norvella {

class ProcessStarter {
 public:
  virtual ~ProcessStarter() = default;
  virtual bool Start(std::u16string_view program_path) = 0;
};

}  // namespace norvella
