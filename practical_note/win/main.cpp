// NorvellaB: the practical-edition sticky note. The toast window comes first; its first showing
// creates the note window, whose start sequence shows the note and fades the toast out.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "common/win/registry_settings_store.h"
#include "common/win/win32_desktop.h"
#include "common/win/win32_file_system.h"
#include "common/win/win32_services.h"
#include "practical_note/win/note_window.h"
#include "practical_note/win/toast_window.h"

namespace {

using norvella::practical_note::win::NoteWindow;
using norvella::practical_note::win::ToastWindow;

class NoteProgram {
 public:
  NoteProgram() : toast_(screen_, [this] { StartNote(); }) {}

  bool Start() {
    if (!toast_.Create()) return false;
    ::ShowWindow(toast_.hwnd(), SW_SHOWNOACTIVATE);
    return true;
  }

 private:
  void StartNote() {
    const std::u16string folder = norvella::win::ProgramFolder();
    norvella::practical_note::NoteServices services{
        store_, screen_, clipboard_, keys_, starter_, save_dialog_, files_, codec_, folder,
        folder + u"\\" + norvella::win::ProgramFileName()};
    note_ = std::make_unique<NoteWindow>(std::move(services), toast_.model());
    if (!note_->Create()) {
      ::PostQuitMessage(1);
      return;
    }
    clipboard_.set_owner(note_->hwnd());
    save_dialog_.set_owner(note_->hwnd());
    note_->model().Start();
  }

  norvella::win::RegistrySettingsStore store_;
  norvella::win::Win32Screen screen_;
  norvella::win::Win32Clipboard clipboard_;
  norvella::win::Win32KeyState keys_;
  norvella::win::Win32ProcessStarter starter_;
  norvella::win::Win32SaveDialog save_dialog_;
  norvella::win::Win32FileSystem files_;
  norvella::win::Win32NarrowCodec codec_;
  ToastWindow toast_;
  std::unique_ptr<NoteWindow> note_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&controls);

  NoteProgram program;
  if (!program.Start()) return 1;
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
