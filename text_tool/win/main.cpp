// Scrivlet: the suite's batch text tool. One window; closing it ends the program.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <cstdint>

#include "common/random_source.h"
#include "common/win/win32_desktop.h"
#include "common/win/win32_file_system.h"
#include "common/win/win32_services.h"
#include "text_tool/win/tool_window.h"

namespace {

// The generator is seeded once from the clock; its draws then differ however fast they come.
std::uint64_t ClockSeed() {
  LARGE_INTEGER counter{};
  ::QueryPerformanceCounter(&counter);
  return static_cast<std::uint64_t>(counter.QuadPart) ^ (static_cast<std::uint64_t>(::GetTickCount()) << 20) ^
         (static_cast<std::uint64_t>(::GetCurrentProcessId()) << 40);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  const HRESULT com = ::CoInitialize(nullptr);

  norvella::win::Win32FileSystem files;
  norvella::win::Win32NarrowCodec codec;
  norvella::SeededRandom random(ClockSeed());
  norvella::win::Win32GuidSource guids;
  norvella::win::Win32Shell shell;
  norvella::win::Win32Screen screen;
  norvella::win::Win32SaveDialog save_dialog;
  int exit_code = 1;
  {
    norvella::text_tool::win::ToolWindow window(norvella::text_tool::Services{
        files, codec, random, guids, shell, save_dialog, screen, norvella::win::ProgramFolder()});
    if (window.Create()) {
      save_dialog.set_owner(window.hwnd());
      window.model().Start();
      MSG msg;
      while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (window.PreTranslate(msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
      }
      exit_code = static_cast<int>(msg.wParam);
    }
  }
  if (SUCCEEDED(com)) ::CoUninitialize();
  return exit_code;
}
