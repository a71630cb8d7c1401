#include "practical_note/toast.h"

#include <algorithm>

#include "common/screen.h"

namespace norvella::practical_note {

void Toast::Load() {
  view_.HideFromTaskList();
  const TwipPoint at = CentredOn(screen_.PrimarySize(), kDesignSize);
  view_.SetBounds({at.x, at.y, kDesignSize.width, kDesignSize.height});
  view_.SetBackColour(Colour::FromRgb(255, 255, 255));
  opacity_ = kLoadOpacity;
  view_.ApplyOpacity(opacity_);
  first_show_ = true;
  phase_ = Phase::Loading;
}

bool Toast::TakeFirstShow() {
  const bool first = first_show_;
  first_show_ = false;
  return first;
}

void Toast::StartFadeOut() {
  phase_ = Phase::FadingOut;
  Start(ToastTimer::FadeOut);
}

void Toast::ShowInfo(std::u16string_view text, const TwipRect& note, int text_top) {
  if (Running(ToastTimer::FadeOut)) return;  // a message during the fade-out is dropped
  view_.SetBounds({note.left + 30, note.top + text_top, note.width - 60, kDesignSize.height});
  view_.Show();
  view_.SetMessage(text);
  view_.PlaceMessage((note.width - view_.MessageWidth()) / 2);
  // Fading in or holding: the text is replaced and the toast fades (back) up to full strength,
  // then holds again for the whole half second.
  Stop(ToastTimer::Hold);
  phase_ = Phase::FadingIn;
  Start(ToastTimer::FadeIn);
}

void Toast::OnTimer(ToastTimer timer) {
  if (!Running(timer)) return;  // a tick already queued when the timer was stopped
  switch (timer) {
    case ToastTimer::FadeIn:
      opacity_ = std::min(opacity_ + kStep, kMaxOpacity);
      view_.ApplyOpacity(opacity_);
      if (opacity_ == kMaxOpacity) {
        Stop(ToastTimer::FadeIn);
        phase_ = Phase::Holding;
        Start(ToastTimer::Hold);
      }
      break;
    case ToastTimer::Hold:
      phase_ = Phase::FadingOut;
      Start(ToastTimer::FadeOut);
      Stop(ToastTimer::Hold);
      break;
    case ToastTimer::FadeOut:
      opacity_ = std::max(opacity_ - kStep, kMinOpacity);
      view_.ApplyOpacity(opacity_);
      if (opacity_ == kMinOpacity) {
        Stop(ToastTimer::FadeOut);
        phase_ = Phase::Hidden;
        view_.Hide();
      }
      break;
  }
}

void Toast::Start(ToastTimer timer) {
  running_[static_cast<int>(timer)] = true;
  view_.StartTimer(timer);
}

void Toast::Stop(ToastTimer timer) {
  if (!Running(timer)) return;
  running_[static_cast<int>(timer)] = false;
  view_.StopTimer(timer);
}

}  // namespace norvella::practical_note
