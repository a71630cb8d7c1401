#pragma once
// GDI+ for decoding the compressed pictures: a session that starts and shuts down the library,
// and an owner of one GDI+ bitmap. Every Windows from XP on carries GDI+. It is loaded on first
// use, so that programs that never decode a compressed picture load neither it nor COM at
// start-up.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <memory>

namespace norvella::win {

// The few functions the pictures need, from gdiplus.dll and ole32.dll.
struct GdiplusApi {
  decltype(&Gdiplus::GdiplusStartup) Startup;
  decltype(&Gdiplus::GdiplusShutdown) Shutdown;
  decltype(&Gdiplus::DllExports::GdipCreateBitmapFromStream) CreateBitmapFromStream;
  decltype(&Gdiplus::DllExports::GdipGetImageWidth) GetImageWidth;
  decltype(&Gdiplus::DllExports::GdipGetImageHeight) GetImageHeight;
  decltype(&Gdiplus::DllExports::GdipBitmapLockBits) BitmapLockBits;
  decltype(&Gdiplus::DllExports::GdipBitmapUnlockBits) BitmapUnlockBits;
  decltype(&Gdiplus::DllExports::GdipDisposeImage) DisposeImage;
  decltype(&::CreateStreamOnHGlobal) CreateStreamOnHGlobal;

  // Loads the libraries the first time (they stay loaded for the life of the process); nothing
  // when they are missing.
  static const GdiplusApi* Get();
};

// GdiplusStartup and GdiplusShutdown. Sessions nest; every GDI+ object must be gone before the
// session that it was made in ends.
class GdiplusSession {
 public:
  GdiplusSession() : api_(GdiplusApi::Get()) {
    const Gdiplus::GdiplusStartupInput input;
    started_ = api_ && api_->Startup(&token_, &input, nullptr) == Gdiplus::Ok;
  }
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;
  ~GdiplusSession() {
    if (started_) api_->Shutdown(token_);
  }
  explicit operator bool() const { return started_; }
  const GdiplusApi& api() const { return *api_; }

 private:
  const GdiplusApi* api_;
  ULONG_PTR token_ = 0;
  bool started_ = false;
};

struct GdiplusImageDeleter {
  void operator()(Gdiplus::GpImage* image) const { GdiplusApi::Get()->DisposeImage(image); }
};
using UniqueGdiplusBitmap = std::unique_ptr<Gdiplus::GpBitmap, GdiplusImageDeleter>;

}  // namespace norvella::win
