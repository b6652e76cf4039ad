#pragma once
#include <string_view>

#include "framework/WinControl.h"

// True when caption marks key as its accelerator ("&Copy" and Alt+C).
bool IsAccel(wchar_t key, std::string_view caption);

enum class TButtonStyle { bsPushButton, bsCommandLink, bsSplitButton };

// What a button's click tells the modal form that shows it.
using TModalResult = int32_t;
inline constexpr TModalResult mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL, mrYes = IDYES, mrNo = IDNO;

// A push button (the system's BUTTON class). Clicks arrive reflected from the
// parent as CN_COMMAND. A descendant may add BS_OWNERDRAW in CreateParams and
// paint on CN_DRAWITEM. The default button takes Enter, the cancel button
// Escape.
class TButton : public TWinControl {
  DECLARE_CLASS_INFO

 public:
  explicit TButton(TComponent* owner);
  void WndProc(TMessage& message) override;

  bool Default() const { return FDefault; }
  void SetDefault(bool value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool value) { FCancel = value; }
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult value) { FModalResult = value; }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  TButtonStyle Style() const { return FStyle; }
  void SetStyle(TButtonStyle value);

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  bool FDefault = false;
  bool FCancel = false;
  TModalResult FModalResult = mrNone;
  bool FWordWrap = false;
  TButtonStyle FStyle = TButtonStyle::bsPushButton;
};
