#pragma once
#include <windows.h>

// The borderless popup a glow or ripple is shown in. It is never activated
// and, once its owner effect has replaced its window procedure, never takes
// a click.
class TacGlowForm {
 public:
  TacGlowForm();
  ~TacGlowForm();
  TacGlowForm(const TacGlowForm&) = delete;
  TacGlowForm& operator=(const TacGlowForm&) = delete;

  HWND Handle() const { return FHandle; }

 private:
  HWND FHandle = nullptr;
};
