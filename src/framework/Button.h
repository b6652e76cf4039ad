#pragma once
#include "framework/WinControl.h"

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
