#include "common/win/picture.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "common/win/dpi.h"

namespace norvella::win {
namespace {

constexpr int kScales[] = {100, 125, 150, 200};

struct Resource {
  const std::uint8_t* data = nullptr;
  DWORD size = 0;
};

Resource FindPictureResource(std::wstring_view name, int scale) {
  std::wstring id = L"PIC_";
  id += name;
  id += L'_';
  id += std::to_wstring(scale);
  for (auto& c : id) c = static_cast<wchar_t>(::towupper(c));
  const HMODULE module = ::GetModuleHandleW(nullptr);
  HRSRC found = ::FindResourceW(module, id.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!found) return {};
  HGLOBAL loaded = ::LoadResource(module, found);
  if (!loaded) return {};
  return {static_cast<const std::uint8_t*>(::LockResource(loaded)), ::SizeofResource(module, found)};
}

std::uint32_t ReadLe32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

}  // namespace

std::optional<Picture> Picture::Load(std::wstring_view name) {
  const int wanted = ScreenDpi() * 100 / 96;
  int scale = kScales[std::size(kScales) - 1];
  for (int s : kScales) {
    if (s >= wanted) {
      scale = s;
      break;
    }
  }
  Resource res = FindPictureResource(name, scale);
  if (!res.data) res = FindPictureResource(name, 100);
  if (!res.data || res.size < 8) return std::nullopt;
  const auto width = static_cast<int>(ReadLe32(res.data));
  const auto height = static_cast<int>(ReadLe32(res.data + 4));
  if (width <= 0 || height <= 0 ||
      res.size < 8 + static_cast<DWORD>(width) * static_cast<DWORD>(height) * 4)
    return std::nullopt;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return std::nullopt;
  const std::uint8_t* src = res.data + 8;
  auto* dst = static_cast<std::uint8_t*>(bits);
  const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
  for (size_t i = 0; i < count; ++i) {  // AlphaBlend wants premultiplied colours
    const unsigned a = src[i * 4 + 3];
    for (int k = 0; k < 3; ++k) dst[i * 4 + k] = static_cast<std::uint8_t>((src[i * 4 + k] * a + 127) / 255);
    dst[i * 4 + 3] = static_cast<std::uint8_t>(a);
  }
  return Picture(std::move(bitmap), width, height);
}

void Picture::Draw(HDC dc, const RECT& dest) const {
  UniqueMemoryDc source(::CreateCompatibleDC(dc));
  if (!source) return;
  SelectedObject selected(source.get(), bitmap_.get());
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  const int w = dest.right - dest.left;
  const int h = dest.bottom - dest.top;
  if (w != width_ || h != height_) ::SetStretchBltMode(dc, HALFTONE);
  ::AlphaBlend(dc, dest.left, dest.top, w, h, source.get(), 0, 0, width_, height_, blend);
}

}  // namespace norvella::win
