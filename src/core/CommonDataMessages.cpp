// The handling of standard messages that every skinned control shares.
#include <algorithm>

#include "core/CommonData.h"
#include "core/LayeredEffects.h"
#include "framework/Form.h"
#include "framework/MessageParams.h"
#include "framework/WinControl.h"
#include "manager/SkinManager.h"
#include "skin/SkinData.h"

namespace {

bool FullyTransparentWhenIdle(const TsGeneralData& Section) {
  return Section.Props[0].Transparency == 100 && Section.Props[1].Transparency == 100;
}

void SendToChildWindows(HWND Window, int Command) {
  TMessage message{SM_SKINCOMMAND, MakeSkinCommand(Command), 0, 0};
  BroadcastToChildWindows(Window, message);
}

}  // namespace

// A control that moved or changed size shows a new part of its parent's
// image under its outer effect: the parent repaints it.
void TsCommonData::RefreshParentImage() {
  TWinControl* windowed = OwnerWindowed();
  TsSkinManager* manager = GetSkinManager();
  if (!windowed || !manager || !manager->Effects().AllowOuterEffects() || !windowed->HandleAllocated() ||
      !IsWindowVisible(windowed->Handle()))
    return;
  TWinControl* parent = windowed->Parent();
  if (!parent || !parent->HandleAllocated() || GetUpdating()) return;
  DirectSendMessage(parent->Handle(), SM_SKINCOMMAND, MakeSkinCommand(SK_BG_CHANGED, 1), 0);
  if (IsWindowVisible(parent->Handle())) SendSkinCommand(parent->Handle(), SK_PREPARE_CACHE);
}

void TsCommonData::ApplyFocus(bool Focused) {
  const TsGeneralData* section = Section();
  if (!section || !KindColorsFollowSection(FKind)) return;
  if (Focused && section->States <= 1) return;
  if (!Focused && CtrlState() != 0) return;
  bool changed = false;
  CtrlSkinState |= csFontChanging;
  SetOwnerColors(Focused ? 1 : 0, changed);
  CtrlSkinState &= ~csFontChanging;
  if (changed && !FUpdating) RedrawOwner(RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

bool TsCommonData::CommonMessage(TMessage& Message) {
  TWinControl* windowed = OwnerWindowed();
  switch (Message.Msg) {
    case WM_CREATE:
    case WM_NCCREATE:
      InitCommonProp();
      return false;
    case WM_MOVE:
      if (!Skinned()) return false;
      if (!windowed) {
        BGChanged = true;
      } else {
        RefreshParentImage();
        if (RepaintIfMoved()) {
          BGChanged = true;
          TsSkinManager* manager = GetSkinManager();
          if (windowed->HandleAllocated() &&
              !(manager && manager->ManagerState.Contains(TacManagerStateValue::msSkinChanging))) {
            DirectSendMessage(windowed->Handle(), SM_SKINCOMMAND, MakeSkinCommand(SK_REPAINT_IF_MOVED, 1), 0);
            SendToChildWindows(windowed->Handle(), SK_DROP_EFFECTS);
          }
        }
      }
      RemoveEffects();
      return false;
    case WM_SIZE:
      if (!Skinned()) return false;
      BGChanged = true;
      RefreshParentImage();
      if (windowed && (((CtrlSkinState & csWidthChanged) && (BGType & (0x01 | 0x04 | 0x20 | 0x80))) ||
                       ((CtrlSkinState & csHeightChanged) && (BGType & (0x02 | 0x04 | 0x10 | 0x40))))) {
        for (size_t i = 0; i < windowed->ControlCount(); ++i) {
          TControl* child = windowed->Controls(i);
          if (!child->ComponentState().Contains(TComponentStateItem::csDestroying))
            SendSkinCommandToControl(child, SM_SKINCOMMAND, MakeSkinCommand(SK_REPAINT_IF_MOVED, 1), 0);
        }
      }
      CtrlSkinState &= ~(csWidthChanged | csHeightChanged);
      RemoveEffects();
      return false;
    case WM_WINDOWPOSCHANGING:
      if (const auto* position = LParamPointer<const WINDOWPOS>(Message);
          position && FOwnerControl && !(position->flags & SWP_NOSIZE)) {
        if (position->cx != FOwnerControl->Width()) CtrlSkinState |= csWidthChanged;
        if (position->cy != FOwnerControl->Height()) CtrlSkinState |= csHeightChanged;
      }
      return false;
    case WM_SETFOCUS:
      if (Skinned() && windowed && windowed->CanFocus() && windowed->TabStop()) {
        const TsGeneralData* section = Section();
        if (section && !FullyTransparentWhenIdle(*section)) {
          BGChanged = true;
          FFocused = true;
          ApplyFocus(true);
          if (FOuterEffects.FVisibility == ovFocused) FOuterEffects.Invalidate();
        }
      }
      return false;
    case WM_CANCELMODE:
      StopAnimation();
      return false;
    case WM_KILLFOCUS:
      if (Skinned() && windowed && windowed->CanFocus()) {
        StopAnimation();
        FFocused = false;
        ApplyFocus(false);
        BGChanged = true;
        if (windowed->Visible() && KindColorsFollowSection(FKind) && windowed->HandleAllocated())
          SendMessageW(windowed->Handle(), WM_NCPAINT, 1, 0);
        if (FOuterEffects.FVisibility == ovFocused) FOuterEffects.Invalidate();
      }
      return false;
    case WM_SETREDRAW:
      if (Message.WParam == 1) {
        if (RedrawLockCount > 0) --RedrawLockCount;
        if (FOwnerControl && !FOwnerControl->Visible() && FKind != 10) return true;
      } else {
        ++RedrawLockCount;
      }
      return false;
    case WM_UPDATEUISTATE:
      if (Skinned()) {
        Message.Result = 1;
        return true;
      }
      return false;
    case WM_DPICHANGED:
      FCommonSkinData = nullptr;
      return false;
    case CM_PARENTFONTCHANGED:
      if (FOwnerControl && FOwnerControl->Parent()) {
        if (!(CtrlSkinState & csPrinting) && !GlassModeInit) {
          const TsCommonData* parentData = CommonDataOf(FOwnerControl->Parent());
          InitTransparency(LPARAM{parentData ? parentData->TranspMode : uint8_t{0}} << 16);
        }
        if (windowed) BroadcastToChildren(SK_BG_CHANGED, 1);
      } else {
        TranspMode = 0;
      }
      return false;
    case CM_VISIBLECHANGED: {
      const bool visible = Message.WParam != 0;
      if (!visible) {
        RemoveEffects();
        if (windowed && windowed->HandleAllocated()) SendToChildWindows(windowed->Handle(), SK_DROP_EFFECTS);
      }
      TsSkinManager* manager = GetSkinManager();
      if (manager && FOwnerControl && !OwnerDestroying() && FCacheBmp) {
        if (manager->Options().OptimizingPriority == TacOptimizingPriority::opMemory) {
          if (visible) {
            FUpdating = false;
          } else {
            ClearCache();
            if (windowed)
              for (size_t i = 0; i < windowed->ControlCount(); ++i)
                SendSkinCommandToControl(windowed->Controls(i), SK_CLEAR_CACHE);
          }
        }
        BGChanged = true;
      }
      if (FOuterEffects.IsShown()) FOuterEffects.Invalidate();
      return false;
    }
    case CM_ENABLEDCHANGED:
      FMouseAbove = false;
      FFocused = false;
      BGChanged = true;
      if (FOwnerControl && !FOwnerControl->Enabled()) RemoveEffects();
      return false;
    case CM_MOUSEENTER:
      if (Skinned() && !FMouseAbove) {
        if (!KindHasNoMouseHotState(FKind)) FMouseAbove = true;
        const TsGeneralData* section = Section();
        TsSkinManager* manager = GetSkinManager();
        const bool plain = !windowed || (manager && manager->Options().NoMouseHover) ||
                           (section && FullyTransparentWhenIdle(*section)) ||
                           (manager && manager->ComponentState().Contains(TComponentStateItem::csDesigning));
        if (!plain && section && KindColorsFollowSection(FKind) && section->States > 1) {
          bool changed = false;
          SetOwnerColors(1, changed);
          if (changed) Invalidate(false);
        }
      }
      return false;
    case CM_MOUSELEAVE:
      if (Skinned() && FOwnerControl) {
        TsSkinManager* manager = GetSkinManager();
        if (manager && manager->Options().NoMouseHover) return false;
        if (!KindHasNoMouseHotState(FKind)) FMouseAbove = false;
        RemoveEffects();
        const TsGeneralData* section = Section();
        if (section && KindColorsFollowSection(FKind) && CtrlState() == 0 && !FullyTransparentWhenIdle(*section)) {
          bool changed = false;
          SetOwnerColors(0, changed);
          if (changed) Invalidate(false);
        }
        BGChanged = true;
      }
      return false;
    case CM_SHOWINGCHANGED:
      if (FOwnerControl && FOwnerControl->Visible()) Loaded(true);
      return false;
    case SM_SKINCOMMAND:
      return CommonSkinCommand(Message);
    default:
      return false;
  }
}
