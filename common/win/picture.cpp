#include "common/win/picture.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "common/win/com_ptr.h"
#include "common/win/dpi.h"
#include "common/win/gdiplus.h"

namespace norvella::win {
namespace {

constexpr int kScales[] = {100, 125, 150, 200};

struct Resource {
  const std::uint8_t* data = nullptr;
  DWORD size = 0;
};

struct GlobalMemoryTraits {
  using Handle = HGLOBAL;
  static Handle Empty() { return nullptr; }
  static void Close(Handle h) { ::GlobalFree(h); }
};
using UniqueGlobalMemory = Unique<GlobalMemoryTraits>;

Resource FindPictureResource(std::wstring_view prefix, std::wstring_view name, int scale) {
  std::wstring id(prefix);
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

// A 32-bit top-down DIB section of the given size, and where its pixels are.
UniqueBitmap CreatePixels(int width, int height, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  *bits = nullptr;
  return UniqueBitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0));
}

// Raw pixels: premultiplied on the way in, as AlphaBlend wants them.
UniqueBitmap DecodeRaw(const Resource& res, int* width, int* height) {
  if (res.size < 8) return {};
  *width = static_cast<int>(ReadLe32(res.data));
  *height = static_cast<int>(ReadLe32(res.data + 4));
  if (*width <= 0 || *height <= 0 ||
      res.size < 8 + static_cast<DWORD>(*width) * static_cast<DWORD>(*height) * 4)
    return {};
  void* bits = nullptr;
  UniqueBitmap bitmap = CreatePixels(*width, *height, &bits);
  if (!bitmap || !bits) return {};
  const std::uint8_t* src = res.data + 8;
  auto* dst = static_cast<std::uint8_t*>(bits);
  const size_t count = static_cast<size_t>(*width) * static_cast<size_t>(*height);
  for (size_t i = 0; i < count; ++i) {
    const unsigned a = src[i * 4 + 3];
    for (int k = 0; k < 3; ++k) dst[i * 4 + k] = static_cast<std::uint8_t>((src[i * 4 + k] * a + 127) / 255);
    dst[i * 4 + 3] = static_cast<std::uint8_t>(a);
  }
  return bitmap;
}

template <typename Function>
bool Resolve(HMODULE module, const char* name, Function& out) {
  out = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
  return out != nullptr;
}

// A PNG file, decoded by GDI+ into premultiplied pixels (opaque pixels keep their exact colour).
UniqueBitmap DecodePng(const Resource& res, int* width, int* height) {
  GdiplusSession session;
  if (!session) return {};
  const GdiplusApi& gp = session.api();
  // The stream needs memory of its own; it frees the copy when it goes.
  UniqueGlobalMemory memory(::GlobalAlloc(GMEM_MOVEABLE, res.size));
  if (!memory) return {};
  void* copy = ::GlobalLock(memory.get());
  if (!copy) return {};
  std::memcpy(copy, res.data, res.size);
  ::GlobalUnlock(memory.get());
  ComPtr<IStream> stream;
  if (FAILED(gp.CreateStreamOnHGlobal(memory.get(), TRUE, stream.put()))) return {};
  memory.release();

  UniqueGdiplusBitmap image;
  {
    Gdiplus::GpBitmap* decoded = nullptr;
    if (gp.CreateBitmapFromStream(stream.get(), &decoded) != Gdiplus::Ok) return {};
    image.reset(decoded);
  }
  UINT w = 0, h = 0;
  if (gp.GetImageWidth(image.get(), &w) != Gdiplus::Ok ||
      gp.GetImageHeight(image.get(), &h) != Gdiplus::Ok || w == 0 || h == 0 || w > 16384 ||
      h > 16384)
    return {};
  *width = static_cast<int>(w);
  *height = static_cast<int>(h);
  void* bits = nullptr;
  UniqueBitmap bitmap = CreatePixels(*width, *height, &bits);
  if (!bitmap || !bits) return {};
  const Gdiplus::GpRect all(0, 0, *width, *height);
  Gdiplus::BitmapData locked{};
  if (gp.BitmapLockBits(image.get(), &all, Gdiplus::ImageLockModeRead, PixelFormat32bppPARGB,
                             &locked) != Gdiplus::Ok)
    return {};
  const size_t row = static_cast<size_t>(*width) * 4;
  for (int y = 0; y < *height; ++y) {
    std::memcpy(static_cast<std::uint8_t*>(bits) + static_cast<size_t>(y) * row,
                static_cast<const std::uint8_t*>(locked.Scan0) + static_cast<ptrdiff_t>(y) * locked.Stride,
                row);
  }
  gp.BitmapUnlockBits(image.get(), &locked);
  return bitmap;
}

}  // namespace

const GdiplusApi* GdiplusApi::Get() {
  static const std::optional<GdiplusApi> api = []() -> std::optional<GdiplusApi> {
    const HMODULE gdiplus = ::LoadLibraryW(L"gdiplus.dll");
    const HMODULE ole32 = ::LoadLibraryW(L"ole32.dll");
    GdiplusApi a{};
    if (!gdiplus || !ole32 || !Resolve(gdiplus, "GdiplusStartup", a.Startup) ||
        !Resolve(gdiplus, "GdiplusShutdown", a.Shutdown) ||
        !Resolve(gdiplus, "GdipCreateBitmapFromStream", a.CreateBitmapFromStream) ||
        !Resolve(gdiplus, "GdipGetImageWidth", a.GetImageWidth) ||
        !Resolve(gdiplus, "GdipGetImageHeight", a.GetImageHeight) ||
        !Resolve(gdiplus, "GdipBitmapLockBits", a.BitmapLockBits) ||
        !Resolve(gdiplus, "GdipBitmapUnlockBits", a.BitmapUnlockBits) ||
        !Resolve(gdiplus, "GdipDisposeImage", a.DisposeImage) ||
        !Resolve(ole32, "CreateStreamOnHGlobal", a.CreateStreamOnHGlobal))
      return std::nullopt;
    return a;
  }();
  return api ? &*api : nullptr;
}

std::optional<Picture> Picture::Load(std::wstring_view name) {
  const int wanted = ScreenDpi() * 100 / 96;
  int scale = kScales[std::size(kScales) - 1];
  for (int s : kScales) {
    if (s >= wanted) {
      scale = s;
      break;
    }
  }
  for (int candidate : {scale, 100}) {
    int width = 0, height = 0;
    if (const Resource raw = FindPictureResource(L"PIC_", name, candidate); raw.data) {
      UniqueBitmap bitmap = DecodeRaw(raw, &width, &height);
      if (bitmap) return Picture(std::move(bitmap), width, height);
    }
    if (const Resource png = FindPictureResource(L"PNG_", name, candidate); png.data) {
      UniqueBitmap bitmap = DecodePng(png, &width, &height);
      if (bitmap) return Picture(std::move(bitmap), width, height);
    }
  }
  return std::nullopt;
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

void Picture::DrawExact(HDC dc, const RECT& dest) const {
  UniqueMemoryDc source(::CreateCompatibleDC(dc));
  if (!source) return;
  SelectedObject selected(source.get(), bitmap_.get());
  const int w = dest.right - dest.left;
  const int h = dest.bottom - dest.top;
  if (w == width_ && h == height_) {
    ::BitBlt(dc, dest.left, dest.top, w, h, source.get(), 0, 0, SRCCOPY);
    return;
  }
  const int previous = ::SetStretchBltMode(dc, COLORONCOLOR);
  ::StretchBlt(dc, dest.left, dest.top, w, h, source.get(), 0, 0, width_, height_, SRCCOPY);
  ::SetStretchBltMode(dc, previous);
}

}  // namespace norvella::win
