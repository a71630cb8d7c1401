#pragma once
// The toast `Form2`: the loading strip of the program's start and the short messages of `showinfo`,
// faded in, held and faded out by three timers.
#include <string>
#include <string_view>

#include "common/colour.h"
#include "common/geometry.h"

namespace norvella {
class Screen;
}

namespace norvella::practical_note {

enum class ToastTimer { FadeIn, FadeOut, Hold };  // Timer1, Timer2, Timer3

constexpr int IntervalMs(ToastTimer timer) {
  switch (timer) {
    case ToastTimer::FadeIn: return 20;
    case ToastTimer::FadeOut: return 30;
    case ToastTimer::Hold: return 500;
  }
  return 0;
}

// The window the toast model drives.
class ToastView {
 public:
  virtual ~ToastView() = default;
  virtual void HideFromTaskList() = 0;
  virtual void SetBackColour(Colour colour) = 0;
  virtual void SetBounds(const TwipRect& bounds) = 0;
  // Re-applies the layered style and the constant alpha, and keeps the toast topmost where it is.
  virtual void ApplyOpacity(int alpha) = 0;
  virtual void Show() = 0;  // without taking the focus from the note
  virtual void Hide() = 0;
  virtual void SetMessage(std::u16string_view text) = 0;
  virtual int MessageWidth() const = 0;  // twips; the label sizes itself to its text
  virtual void PlaceMessage(int left) = 0;
  virtual void StartTimer(ToastTimer timer) = 0;
  virtual void StopTimer(ToastTimer timer) = 0;
};

class Toast {
 public:
  static constexpr TwipSize kDesignSize{2880, 375};
  static constexpr int kDesignMessageLeft = 503;
  static constexpr int kIconLeft = 120;
  static constexpr int kIconTop = 67;
  static constexpr int kIconSize = 240;
  static constexpr int kLoadOpacity = 200;
  static constexpr int kMaxOpacity = 200;
  static constexpr int kMinOpacity = 20;
  static constexpr int kStep = 20;

  enum class Phase { Loading, FadingIn, Holding, FadingOut, Hidden };

  Toast(ToastView& view, const Screen& screen) : view_(view), screen_(screen) {}

  // Load of the program's first window: hidden from the task list, centred, white, layered at
  // alpha 200, topmost, with the first-show flag set.
  void Load();
  // The toast has been shown; true exactly once, when the note window is to be shown now.
  bool TakeFirstShow();
  // The note's start sequence ends with this.
  void StartFadeOut();
  // `showinfo`: `note` is the note window's rectangle and `text_top` the top of its text box.
  void ShowInfo(std::u16string_view text, const TwipRect& note, int text_top);
  void OnTimer(ToastTimer timer);

  int opacity() const { return opacity_; }
  Phase phase() const { return phase_; }

 private:
  void Start(ToastTimer timer);
  void Stop(ToastTimer timer);
  bool Running(ToastTimer timer) const { return running_[static_cast<int>(timer)]; }

  ToastView& view_;
  const Screen& screen_;
  int opacity_ = kLoadOpacity;
  bool first_show_ = false;
  Phase phase_ = Phase::Loading;
  bool running_[3] = {false, false, false};
};

}  // namespace norvella::practical_note
