#pragma once
#include <utility>

#include "framework/WinControl.h"

// A single-line text field (the system's EDIT class).
class TEdit : public TWinControl {
  DECLARE_CLASS_INFO

 public:
  explicit TEdit(TComponent* owner);

  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment alignment);
  int32_t MaxLength() const { return FMaxLength; }
  void SetMaxLength(int32_t length);

  int32_t SelStart();
  int32_t SelLength();
  std::string SelText();
  void SelectAll();
  // Puts the selected text on the clipboard as plain text; throws Exception
  // when the clipboard cannot be used.
  void CopyToClipboard();

  TNotifyEvent OnChange;
  void SetOnChange(TNotifyEvent handler) { OnChange = std::move(handler); }

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleContents() override;

 private:
  // Start and end of the selection, in UTF-16 units.
  std::pair<DWORD, DWORD> Selection();

  bool FReadOnly = false;
  TAlignment FAlignment = TAlignment::taLeftJustify;
  int32_t FMaxLength = 0;
};
