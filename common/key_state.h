#pragma once
// The system-wide state of a key, whichever window has the focus.
namespace norvella {

class KeyState {
 public:
  virtual ~KeyState() = default;
  // True when the key (a virtual-key code) is down now or was pressed since the previous query.
  virtual bool DownOrPressedSinceLastQuery(int virtual_key) = 0;
};

}  // namespace norvella
