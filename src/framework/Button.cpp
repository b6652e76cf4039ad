#include "framework/Button.h"

#include <commctrl.h>

#include "base/StrUtils.h"
#include "framework/MessageParams.h"

const TClassInfo& TButton::StaticClassInfo() {
  static const TClassInfo info("TButton", &TWinControl::StaticClassInfo(),
                               [](TComponent* owner) { return new TButton(owner); }, [](TClassInfo& c) {
                                 c.Boolean<TButton>("Default", &TButton::SetDefault);
                                 c.Boolean<TButton>("Cancel", &TButton::SetCancel);
                                 c.Enum<TButton, TModalResult>("ModalResult", &TButton::SetModalResult,
                                                               {{"mrNone", mrNone},
                                                                {"mrOk", mrOk},
                                                                {"mrCancel", mrCancel},
                                                                {"mrYes", mrYes},
                                                                {"mrNo", mrNo}});
                                 c.Boolean<TButton>("WordWrap", &TButton::SetWordWrap);
                                 c.Enum<TButton, TButtonStyle>("Style", &TButton::SetStyle,
                                                               {{"bsPushButton", TButtonStyle::bsPushButton},
                                                                {"bsCommandLink", TButtonStyle::bsCommandLink},
                                                                {"bsSplitButton", TButtonStyle::bsSplitButton}});
                               });
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
  switch (FStyle) {
    case TButtonStyle::bsCommandLink:
      params.Style |= FDefault ? BS_DEFCOMMANDLINK : BS_COMMANDLINK;
      break;
    case TButtonStyle::bsSplitButton:
      params.Style |= FDefault ? BS_DEFSPLITBUTTON : BS_SPLITBUTTON;
      break;
    default:
      params.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
      break;
  }
  if (FWordWrap) params.Style |= BS_MULTILINE;
}

void TButton::SetDefault(bool value) {
  if (value == FDefault) return;
  FDefault = value;
  if (HandleAllocated()) RecreateWnd();
}

void TButton::SetWordWrap(bool value) {
  if (value == FWordWrap) return;
  FWordWrap = value;
  if (HandleAllocated()) RecreateWnd();
}

void TButton::SetStyle(TButtonStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  if (HandleAllocated()) RecreateWnd();
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
  if (message.Msg == CM_DIALOGKEY) {
    const bool mine = (message.WParam == VK_RETURN && FDefault) || (message.WParam == VK_ESCAPE && FCancel);
    if (mine && Enabled() && Visible()) {
      Click();
      message.Result = 1;
    }
    return;
  }
  if (message.Msg == CN_COMMAND && CommandCode(message) == BN_CLICKED) {
    if (Enabled()) Click();
    message.Result = 0;
    return;
  }
  TWinControl::WndProc(message);
}
