#include "framework/Edit.h"

#include "base/StrUtils.h"
#include "framework/Clipboard.h"
#include "framework/MessageParams.h"

const TClassInfo& TEdit::StaticClassInfo() {
  static const TClassInfo info("TEdit", &TWinControl::StaticClassInfo(),
                               [](TComponent* owner) { return new TEdit(owner); }, [](TClassInfo& c) {
                                 c.Boolean<TEdit>("ReadOnly", &TEdit::SetReadOnly);
                                 c.Enum<TEdit, TAlignment>("Alignment", &TEdit::SetAlignment, kAlignmentIdents);
                                 c.Integer<TEdit>("MaxLength", &TEdit::SetMaxLength);
                                 c.Event<TEdit>("OnChange", &TEdit::SetOnChange);
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
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TEdit::CreateHandleContents() {
  TWinControl::CreateHandleContents();
  SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
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
  if (message.Msg == CN_COMMAND && CommandCode(message) == EN_CHANGE && OnChange) OnChange(this);
  TWinControl::WndProc(message);
}
