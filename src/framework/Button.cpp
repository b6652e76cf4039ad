#include "framework/Button.h"

const TClassInfo& TButton::StaticClassInfo() {
  static const TClassInfo info("TButton", &TWinControl::StaticClassInfo(),
                               [](TComponent* owner) { return new TButton(owner); }, nullptr);
  return info;
}

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  ControlStyle = {TControlStyleItem::csSetCaption, TControlStyleItem::csDoubleClicks};
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = L"BUTTON";
  params.Style |= BS_PUSHBUTTON;
}

void TButton::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == BN_CLICKED) {
    if (Enabled()) Click();
    message.Result = 0;
    return;
  }
  TWinControl::WndProc(message);
}
