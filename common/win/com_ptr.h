#pragma once
// A move-only owner of one reference to a COM object: released when the owner goes.
#include <windows.h>
#include <objidl.h>

#include <utility>

namespace norvella::win {

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes over a reference the caller already holds.
  explicit ComPtr(T* p) : p_(p) {}
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) reset(std::exchange(other.p_, nullptr));
    return *this;
  }
  ~ComPtr() { reset(); }

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  void reset(T* p = nullptr) {
    if (p_) p_->Release();
    p_ = p;
  }
  // For the out-parameter of a creating call; releases what was held.
  T** put() {
    reset();
    return &p_;
  }

 private:
  T* p_ = nullptr;
};

}  // namespace norvella::win
