#include "common/win/win32_file_system.h"

#include <windows.h>

#include "common/win/handles.h"
#include "common/win/wide.h"

namespace norvella::win {
namespace {

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(bytes.size() > (1u << 30) ? (1u << 30) : bytes.size());
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

}  // namespace

std::optional<std::string> Win32FileSystem::ReadFile(std::u16string_view path) const {
  UniqueFile file(::CreateFileW(ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF) return std::nullopt;
  std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD read = 0;
    if (!::ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &read,
                    nullptr))
      return std::nullopt;
    if (read == 0) break;
    done += read;
  }
  bytes.resize(done);
  return bytes;
}

bool Win32FileSystem::WriteFileAtomically(std::u16string_view path, std::string_view bytes) {
  const std::wstring target = ToWide(path);
  // The new content goes to a file beside the target, on the same volume, so the final move
  // replaces the target in one step.
  const std::wstring temporary =
      target + L".~" + std::to_wstring(::GetCurrentProcessId()) + L".tmp";
  {
    UniqueFile file(::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    if (!WriteAll(file.get(), bytes) || !::FlushFileBuffers(file.get())) {
      file.reset();
      ::DeleteFileW(temporary.c_str());
      return false;
    }
  }
  if (!::MoveFileExW(temporary.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ::DeleteFileW(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace norvella::win
