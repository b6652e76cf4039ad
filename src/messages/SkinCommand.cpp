#include "messages/SkinCommand.h"

#include <unordered_set>

#include "framework/Form.h"
#include "framework/Screen.h"
#include "framework/WinControl.h"
#include "framework/WindowHost.h"

namespace {
TacBroadcastFilter& BroadcastFilter() {
  static TacBroadcastFilter filter;
  return filter;
}
}  // namespace

bool IsPointerSkinCommand(int command) {
  switch (command) {
    case SK_GET_PROVIDER:
    case SK_GET_ADAPTER:
    case SK_SECTION_CHANGED:
    case SK_SET_SECTION:
    case SK_ADAPT_CHILDREN:
    case SK_GET_INDEX:
    case SK_GET_MANAGER:
    case SK_GET_BG:
    case SK_GET_SKIN_DATA:
    case SK_PAINT_OUTER:
    case SK_GET_COLORING:
    case SK_FRAME_ADAPTER:
    case SK_GET_APPLICATION:
    case SK_GET_TEXT_SOURCE:
    case SK_GET_BOUNDS:
    case SK_GET_COMMON_SKIN_DATA:
    case SK_GET_EFFECT_RECT:
    case SK_GET_TEXT_RECT:
    case SK_STATUS_BAR:
      return true;
    default:
      return false;
  }
}

bool MayAnswerSkinCommand(const TMessage& message) {
  return message.Msg != SM_SKINCOMMAND || !IsPointerSkinCommand(SkinCommandOf(message.WParam)) ||
         DeliveredByOwnThread();
}

namespace {
// Every target alive in this process; a property value is followed only when
// it is one of them (it may be another process's, or a freed one's).
std::unordered_set<const void*>& LiveTargets() {
  static std::unordered_set<const void*> targets;
  return targets;
}
}  // namespace

TacSkinCommandTarget::TacSkinCommandTarget() { LiveTargets().insert(this); }

TacSkinCommandTarget::~TacSkinCommandTarget() {
  SetPropertyWindow(nullptr);
  LiveTargets().erase(this);
}

void TacSkinCommandTarget::SetPropertyWindow(HWND Window) {
  if (FPropertyWindow && FPropertyWindow != Window && GetPropW(FPropertyWindow, kAcsDataProperty) == this)
    RemovePropW(FPropertyWindow, kAcsDataProperty);
  FPropertyWindow = Window;
  if (Window) SetPropW(Window, kAcsDataProperty, this);
}

TacSkinCommandTarget* SkinCommandTargetOf(HWND window) {
  void* data = window ? GetPropW(window, kAcsDataProperty) : nullptr;
  if (!data || !LiveTargets().contains(data)) return nullptr;
  auto* target = static_cast<TacSkinCommandTarget*>(data);
  return target->PropertyWindow() == window ? target : nullptr;
}

namespace {
// The direct path once the window's target is known.
LRESULT SendToTarget(TacSkinCommandTarget* data, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!data || !data->WndProc) return SendFromOwnThread(window, message, wParam, lParam);
  TMessage record{message, wParam, lParam, 0};
  const TacMessageDelivery delivery(true);
  try {
    data->WndProc(record);
  } catch (...) {
    return 0;
  }
  return record.Result;
}
}  // namespace

LRESULT DirectSendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendToTarget(SkinCommandTargetOf(window), window, message, wParam, lParam);
}

LRESULT SendSkinCommand(HWND window, int command, LPARAM lParam) {
  return DirectSendMessage(window, SM_SKINCOMMAND, MakeSkinCommand(command), lParam);
}

bool SendBoolSkinCommand(HWND window, int command, LPARAM lParam) {
  return SendSkinCommand(window, command, lParam) == 1;
}

LRESULT SendSkinCommandToControl(TControl* control, int command, LPARAM lParam) {
  return SendSkinCommandToControl(control, SM_SKINCOMMAND, MakeSkinCommand(command), lParam);
}

LRESULT SendSkinCommandToControl(TControl* control, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!control) return 0;
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (!windowed) return control->Perform(message, wParam, lParam);
  if (windowed->ComponentState().Contains(TComponentStateItem::csDestroying) || !windowed->HandleAllocated())
    return 0;
  HWND window = windowed->Handle();
  TacSkinCommandTarget* data = SkinCommandTargetOf(window);
  if (data && !data->WndProc && data->FOwnerControl) data->WndProc = data->FOwnerControl->WindowProc;
  return SendToTarget(data && data->WndProc ? data : nullptr, window, message, wParam, lParam);
}

bool IsSkinAwareWindow(HWND window) {
  if (!window) return false;
  if (GetPropW(window, kAcsDataProperty) || GetPropW(window, kAcsAdapterProperty)) return true;
  return SendBoolSkinCommand(window, SK_IS_SKINNED);
}

void SetBroadcastFilter(TacBroadcastFilter filter) { BroadcastFilter() = std::move(filter); }

void BroadcastToChildControls(TWinControl* parent, TMessage& message) {
  if (!parent) return;
  for (size_t i = 0; i < parent->ControlCount(); ++i) {
    TControl* child = parent->Controls(i);
    if (child->ComponentState().Contains(TComponentStateItem::csDestroying)) return;
    auto* windowed = dynamic_cast<TWinControl*>(child);
    if (!windowed || !windowed->HandleAllocated()) {
      message.Result = child->Perform(message.Msg, message.WParam, message.LParam);
      continue;
    }
    HWND window = windowed->Handle();
    message.Result = DirectSendMessage(window, message.Msg, message.WParam, message.LParam);
    if (IsSkinAwareWindow(window)) continue;
    // The receiver may have removed itself; only a child still in place is entered.
    if (i >= parent->ControlCount() || parent->Controls(i) != child) continue;
    if (BroadcastFilter() && BroadcastFilter()(windowed)) continue;
    BroadcastToChildControls(windowed, message);
  }
}

namespace {
struct ChildWindowBroadcast {
  HWND Parent;
  TMessage* Message;
};

BOOL CALLBACK SendToDirectChild(HWND child, LPARAM context) {
  auto* broadcast = reinterpret_cast<ChildWindowBroadcast*>(context);
  if (GetAncestor(child, GA_PARENT) == broadcast->Parent) {
    TMessage& message = *broadcast->Message;
    message.Result = DirectSendMessage(child, message.Msg, message.WParam, message.LParam);
  }
  return TRUE;
}
}  // namespace

void BroadcastToChildWindows(HWND window, TMessage& message) {
  ChildWindowBroadcast broadcast{window, &message};
  EnumChildWindows(window, SendToDirectChild, reinterpret_cast<LPARAM>(&broadcast));
}

void SendToEveryForm(UINT message, WPARAM wParam, LPARAM lParam) {
  std::vector<TCustomForm*> forms;
  for (size_t i = 0; i < Screen().CustomFormCount(); ++i) forms.push_back(Screen().CustomForms(i));
  for (TCustomForm* form : forms) {
    if (form->ComponentState().Contains(TComponentStateItem::csDestroying)) continue;
    if (form->HandleAllocated())
      DirectSendMessage(form->Handle(), message, wParam, lParam);
    else
      form->Perform(message, wParam, lParam);
  }
}
