#pragma once
// Win32 implementations of the desktop services: clipboard, key state, starting programs, the
// save-file dialog.
#include <windows.h>

#include "common/clipboard.h"
#include "common/key_state.h"
#include "common/process_starter.h"
#include "common/save_dialog.h"

namespace norvella::win {

class Win32Clipboard final : public Clipboard {
 public:
  explicit Win32Clipboard(HWND owner = nullptr) : owner_(owner) {}
  void set_owner(HWND owner) { owner_ = owner; }
  std::u16string Text() const override;
  bool SetText(std::u16string_view text) override;

 private:
  HWND owner_;
};

class Win32KeyState final : public KeyState {
 public:
  bool DownOrPressedSinceLastQuery(int virtual_key) override;
};

class Win32ProcessStarter final : public ProcessStarter {
 public:
  bool Start(std::u16string_view program_path) override;
};

class Win32SaveDialog final : public SaveDialog {
 public:
  explicit Win32SaveDialog(HWND owner = nullptr) : owner_(owner) {}
  void set_owner(HWND owner) { owner_ = owner; }
  std::u16string Show(const SaveDialogOptions& options) override;

 private:
  HWND owner_;
};

}  // namespace norvella::win
