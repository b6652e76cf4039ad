#include "framework/Button.h"

#include "base/StrUtils.h"
#include "framework/MessageParams.h"

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

bool IsAccel(wchar_t key, std::string_view caption) {
  const std::wstring text = Utf8ToWide(caption);
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != L'&') continue;
    if (text[i + 1] != L'&') return CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(text[i + 1]))) ==
                                    CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(key)));
    ++i;
  }
  return false;
}

void TButton::WndProc(TMessage& message) {
  if (message.Msg == CM_DIALOGCHAR && IsAccel(CharCode(message), Caption())) {
    Click();
    message.Result = 1;
    return;
  }
  if (message.Msg == CN_COMMAND && CommandCode(message) == BN_CLICKED) {
    if (Enabled()) Click();
    message.Result = 0;
    return;
  }
  TWinControl::WndProc(message);
}
