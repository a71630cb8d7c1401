#pragma once
// GDI+ for decoding the compressed pictures: a session that starts and shuts down the library,
// and an owner of one GDI+ bitmap. Every Windows from XP on carries GDI+.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <memory>

namespace norvella::win {

// GdiplusStartup and GdiplusShutdown. Sessions nest; every GDI+ object must be gone before the
// session that it was made in ends.
class GdiplusSession {
 public:
  GdiplusSession() {
    const Gdiplus::GdiplusStartupInput input;
    started_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
  }
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;
  ~GdiplusSession() {
    if (started_) Gdiplus::GdiplusShutdown(token_);
  }
  explicit operator bool() const { return started_; }

 private:
  ULONG_PTR token_ = 0;
  bool started_ = false;
};

struct GdiplusImageDeleter {
  void operator()(Gdiplus::GpImage* image) const { Gdiplus::DllExports::GdipDisposeImage(image); }
};
using UniqueGdiplusBitmap = std::unique_ptr<Gdiplus::GpBitmap, GdiplusImageDeleter>;

}  // namespace norvella::win
