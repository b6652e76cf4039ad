#pragma once
#include <utility>

#include "framework/WinControl.h"

enum class TBorderStyle { bsNone, bsSingle };
enum class TBevelKind { bkNone, bkTile, bkSoft, bkFlat };

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
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle style);
  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool value);
  TBevelKind BevelKind() const { return FBevelKind; }
  void SetBevelKind(TBevelKind kind);
  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut bevel);
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut bevel);
  // Shown instead of each character; 0 shows the text itself.
  wchar_t PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(wchar_t value);
  void SetPasswordCharText(const std::string& value);
  // Shown faded while the field is empty.
  const std::string& TextHint() const { return FTextHint; }
  void SetTextHint(const std::string& value);
  // The width of the frame round the text on each side.
  int32_t FrameWidth() const;

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

  int32_t BevelCount() const;

  bool FReadOnly = false;
  TAlignment FAlignment = TAlignment::taLeftJustify;
  int32_t FMaxLength = 0;
  TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
  bool FCtl3D = true;
  TBevelKind FBevelKind = TBevelKind::bkNone;
  TBevelCut FBevelInner = TBevelCut::bvRaised;
  TBevelCut FBevelOuter = TBevelCut::bvLowered;
  wchar_t FPasswordChar = 0;
  std::string FTextHint;
};
