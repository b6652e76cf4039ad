#include "framework/Edit.h"

#include <commctrl.h>

#include "base/StrUtils.h"
#include "base/WinHandles.h"
#include "framework/Clipboard.h"
#include "framework/MessageParams.h"

const TClassInfo& TEdit::StaticClassInfo() {
  static const TClassInfo info("TEdit", &TWinControl::StaticClassInfo(),
                               [](TComponent* owner) { return new TEdit(owner); }, [](TClassInfo& c) {
                                 c.Boolean<TEdit>("ReadOnly", &TEdit::SetReadOnly);
                                 c.Enum<TEdit, TAlignment>("Alignment", &TEdit::SetAlignment, kAlignmentIdents);
                                 c.Integer<TEdit>("MaxLength", &TEdit::SetMaxLength);
                                 c.Event<TEdit>("OnChange", &TEdit::SetOnChange);
                                 c.Enum<TEdit, TBorderStyle>(
                                     "BorderStyle", &TEdit::SetBorderStyle,
                                     {{"bsNone", TBorderStyle::bsNone}, {"bsSingle", TBorderStyle::bsSingle}});
                                 c.Boolean<TEdit>("Ctl3D", &TEdit::SetCtl3D);
                                 c.Enum<TEdit, TBevelKind>("BevelKind", &TEdit::SetBevelKind,
                                                           {{"bkNone", TBevelKind::bkNone},
                                                            {"bkTile", TBevelKind::bkTile},
                                                            {"bkSoft", TBevelKind::bkSoft},
                                                            {"bkFlat", TBevelKind::bkFlat}});
                                 c.Enum<TEdit, TBevelCut>("BevelInner", &TEdit::SetBevelInner, kBevelIdents);
                                 c.Enum<TEdit, TBevelCut>("BevelOuter", &TEdit::SetBevelOuter, kBevelIdents);
                                 c.String<TEdit>("PasswordChar", &TEdit::SetPasswordCharText);
                                 c.String<TEdit>("TextHint", &TEdit::SetTextHint);
                               });
  return info;
}

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
  ControlStyle.Include(TControlStyleItem::csFixedHeight);
  SetBounds(0, 0, 121, 21);
  SetTabStop(true);
  SetColor(clWindow);
  SetParentColor(false);
}

void TEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = L"EDIT";
  params.Style |= ES_AUTOHSCROLL;
  if (FReadOnly) params.Style |= ES_READONLY;
  if (FAlignment == TAlignment::taCenter) params.Style |= ES_CENTER;
  if (FAlignment == TAlignment::taRightJustify) params.Style |= ES_RIGHT;
  if (FPasswordChar) params.Style |= ES_PASSWORD;
  if (FBorderStyle == TBorderStyle::bsSingle) {
    if (FCtl3D)
      params.ExStyle |= WS_EX_CLIENTEDGE;
    else
      params.Style |= WS_BORDER;
  }
}

void TEdit::CreateHandleContents() {
  TWinControl::CreateHandleContents();
  SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
  if (FPasswordChar) SendMessageW(Handle(), EM_SETPASSWORDCHAR, FPasswordChar, 0);
  if (!FTextHint.empty()) SendMessageW(Handle(), EM_SETCUEBANNER, 0, reinterpret_cast<LPARAM>(Utf8ToWide(FTextHint).c_str()));
}

int32_t TEdit::BevelCount() const {
  if (FBevelKind == TBevelKind::bkNone) return 0;
  return (FBevelInner != TBevelCut::bvNone) + (FBevelOuter != TBevelCut::bvNone);
}

int32_t TEdit::FrameWidth() const {
  return (FBorderStyle != TBorderStyle::bsNone ? 1 + (FCtl3D ? 1 : 0) : 0) + BevelCount();
}

void TEdit::SetBorderStyle(TBorderStyle style) {
  if (style == FBorderStyle) return;
  FBorderStyle = style;
  RecreateWnd();
}

void TEdit::SetCtl3D(bool value) {
  if (value == FCtl3D) return;
  FCtl3D = value;
  RecreateWnd();
}

void TEdit::SetBevelKind(TBevelKind kind) {
  FBevelKind = kind;
  RecreateWnd();
}

void TEdit::SetBevelInner(TBevelCut bevel) {
  FBevelInner = bevel;
  RecreateWnd();
}

void TEdit::SetBevelOuter(TBevelCut bevel) {
  FBevelOuter = bevel;
  RecreateWnd();
}

void TEdit::SetPasswordChar(wchar_t value) {
  if (value == FPasswordChar) return;
  FPasswordChar = value;
  RecreateWnd();
}

void TEdit::SetPasswordCharText(const std::string& value) {
  const std::wstring wide = Utf8ToWide(value);
  SetPasswordChar(wide.empty() ? 0 : wide.front());
}

void TEdit::SetTextHint(const std::string& value) {
  FTextHint = value;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETCUEBANNER, 0, reinterpret_cast<LPARAM>(Utf8ToWide(value).c_str()));
}

void TEdit::SetReadOnly(bool value) {
  FReadOnly = value;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, value, 0);
}

void TEdit::SetAlignment(TAlignment alignment) {
  if (alignment == FAlignment) return;
  FAlignment = alignment;
  RecreateWnd();
}

void TEdit::SetMaxLength(int32_t length) {
  FMaxLength = length < 0 ? 0 : length;
  if (HandleAllocated()) SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
}

std::pair<DWORD, DWORD> TEdit::Selection() {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

int32_t TEdit::SelStart() { return static_cast<int32_t>(Selection().first); }

int32_t TEdit::SelLength() {
  const auto [start, end] = Selection();
  return static_cast<int32_t>(end - start);
}

std::string TEdit::SelText() {
  const auto [start, end] = Selection();
  const std::wstring text = Utf8ToWide(Text());
  if (start >= end || start >= text.size()) return {};
  return WideToUtf8(std::wstring_view(text).substr(start, end - start));
}

void TEdit::SelectAll() { SendMessageW(Handle(), EM_SETSEL, 0, -1); }

void TEdit::CopyToClipboard() { SetClipboardText(SelText()); }

void TEdit::WndProc(TMessage& message) {
  // Ctrl+A selects everything, as in every other field of the system; the
  // system edit itself does not always.
  const bool control = GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0;
  if (control && message.Msg == WM_KEYDOWN && message.WParam == 'A') {
    SelectAll();
    message.Result = 0;
    return;
  }
  if (message.Msg == WM_CHAR && message.WParam == 1) {
    message.Result = 0;
    return;
  }
  // Bevels take room round the system's own border.
  if (const int32_t bevels = BevelCount(); bevels > 0 && message.Msg == WM_NCCALCSIZE) {
    TWinControl::WndProc(message);
    auto* rect = reinterpret_cast<RECT*>(message.LParam);
    if (FromOwnThread() && rect) InflateRect(rect, -bevels, -bevels);
    return;
  }
  if (const int32_t bevels = BevelCount(); bevels > 0 && message.Msg == WM_NCPAINT) {
    TWinControl::WndProc(message);
    const TacWindowDC dc(Handle(), true);
    // Right inside the system's border, round the client area.
    RECT rect = ClientRectInWindow();
    InflateRect(&rect, bevels, bevels);
    for (const TBevelCut bevel : {FBevelOuter, FBevelInner}) {
      if (bevel == TBevelCut::bvNone) continue;
      const bool lowered = bevel == TBevelCut::bvLowered;
      DrawEdge(dc.Get(), &rect, lowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | (FBevelKind == TBevelKind::bkFlat ? BF_FLAT : 0));
      InflateRect(&rect, -1, -1);
    }
    return;
  }
  if (message.Msg == CN_COMMAND && CommandCode(message) == EN_CHANGE && OnChange) OnChange(this);
  TWinControl::WndProc(message);
}
