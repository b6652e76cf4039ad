#pragma once
#include <string_view>

#include "framework/WinControl.h"

// True when caption marks key as its accelerator ("&Copy" and Alt+C).
bool IsAccel(wchar_t key, std::string_view caption);

// A push button (the system's BUTTON class). Clicks arrive reflected from the
// parent as CN_COMMAND. A descendant may add BS_OWNERDRAW in CreateParams and
// paint on CN_DRAWITEM.
class TButton : public TWinControl {
  DECLARE_CLASS_INFO

 public:
  explicit TButton(TComponent* owner);
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
};
