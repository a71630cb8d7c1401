#pragma once
// Win32 implementations of the small platform services the models are given.
#include <windows.h>

#include <string>

#include "common/guid_source.h"
#include "common/narrow_codec.h"
#include "common/screen.h"
#include "common/shell.h"

namespace norvella::win {

class Win32Screen final : public Screen {
 public:
  TwipSize PrimarySize() const override;
  std::vector<TwipRect> Monitors() const override;
};

// The system's narrow code page (CP_ACP).
class Win32NarrowCodec final : public NarrowCodec {
 public:
  std::string Encode(std::u16string_view text, bool* lossless) const override;
  std::u16string Decode(std::string_view bytes) const override;
};

// New GUIDs from CoCreateGuid, as StringFromGUID2 writes them.
class Win32GuidSource final : public GuidSource {
 public:
  std::u16string NewGuidText() override;
};

// ShellExecuteW with the verb "open".
class Win32Shell final : public Shell {
 public:
  bool OpenAddress(std::u16string_view address, std::u16string_view folder) override;
};

// The folder of the running program, without a trailing backslash.
std::u16string ProgramFolder();
// The file name of the running program ("NorvellaB.exe").
std::u16string ProgramFileName();

}  // namespace norvella::win
