// The answer of the common skin data to the skin command message.
#include <algorithm>

#include "core/CommonData.h"
#include "core/ParentBackground.h"
#include "framework/Application.h"
#include "framework/WinControl.h"
#include "framework/WindowHost.h"
#include "graphics/Composition.h"
#include "manager/SkinManager.h"
#include "skin/SkinData.h"

namespace {

// A resolution from a message: anything outside this range is refused.
constexpr LPARAM kMinPPI = 24;
constexpr LPARAM kMaxPPI = 960;

template <class T>
T* PointerParam(const TMessage& Message) {
  return reinterpret_cast<T*>(Message.LParam);
}

}  // namespace

bool TsCommonData::RefreshApplies(const TMessage& Message) const {
  if (reinterpret_cast<TsSkinManager*>(Message.LParam) != GetSkinManager()) return false;
  const int argument = SkinArgumentOf(Message.WParam) & 0xFF;
  return argument == 0 || argument == (SkinIndex & 0xFF);
}

void TsCommonData::SkinRemoved() {
  if (SkinIndex < 0) return;
  SkinIndex = -1;
  TsSkinManager* manager = GetSkinManager();
  if (manager && manager->ComponentState().Contains(TComponentStateItem::csDestroying)) FSkinManager = nullptr;
  ClearCache();
  if (!FOwnerControl || !OwnerWindowed()) return;
  if (KindColorsFollowSection(FKind)) {
    CtrlSkinState |= csFontChanging;
    if (!FCustomColor) FOwnerControl->SetColor(SavedColor != clNone ? SavedColor : clWindow);
    if (!FCustomFont) FOwnerControl->Font().SetColor(SavedFontColor != clNone ? SavedFontColor : clWindowText);
    CtrlSkinState &= ~csFontChanging;
    RedrawOwner(RDW_FRAME | RDW_INVALIDATE);
  }
}

LRESULT TsCommonData::InitTransparency(LPARAM Param) {
  if (GlassModeInit) return 0;
  GlassModeInit = true;
  BGChanged = true;
  const uint8_t mode = static_cast<uint8_t>((Param >> 16) & 0xFF);
  TranspMode = mode == omForceOpaque ? (CompositionEnabled() ? 0 : 1) : mode;
  if (FOwnerControl) {
    if (TranspMode != 0 && CompositionEnabled())
      FOwnerControl->ControlState.Include(TControlStateItem::csGlassPaint);
    else
      FOwnerControl->ControlState.Exclude(TControlStateItem::csGlassPaint);
  }
  const LPARAM passOn = Param & 0xFFFF;
  if (passOn == 1 && OwnerWindowed()) {
    TWinControl* windowed = OwnerWindowed();
    LPARAM argument = 1 | (LPARAM{DoForceOpaque() ? uint8_t{0} : TranspMode} << 16);
    for (size_t i = 0; i < windowed->ControlCount(); ++i) {
      const LRESULT answer = SendSkinCommandToControl(windowed->Controls(i), SK_INIT_TRANSPARENCY, argument);
      if (answer != 0) argument = answer;
    }
  }
  GlassModeInit = false;
  return passOn + (LPARAM{TranspMode} << 16);
}

bool TsCommonData::CommonSkinCommand(TMessage& Message) {
  const int command = SkinCommandOf(Message.WParam);
  const int argument = SkinArgumentOf(Message.WParam);
  if (command == SK_IS_SKINNED) {
    Message.Result = 1;
    if (Message.LParam != 0 && DeliveredByOwnThread()) *PointerParam<BOOL>(Message) = SkinIndex >= 0;
    return true;
  }
  if (!MayAnswerSkinCommand(Message)) return false;
  TWinControl* windowed = OwnerWindowed();
  switch (command) {
    case SK_SKIN_LOADED:
      if (reinterpret_cast<TsSkinManager*>(Message.LParam) == GetSkinManager()) {
        FCommonSkinData = nullptr;
        StopAnimation();
        BindSection();
        ClearCache();
        TsSkinManager* manager = GetSkinManager();
        if (manager && manager->Fonts().MainMode == TacFontMode::fmCustom && FOwnerControl)
          FOwnerControl->Font().SetName(manager->Fonts().MainFont);
      }
      return true;
    case SK_SKIN_REMOVED:
      if (reinterpret_cast<TsSkinManager*>(Message.LParam) == GetSkinManager()) {
        FCommonSkinData = nullptr;
        StopAnimation();
        SkinRemoved();
      }
      return true;
    case SK_REFRESH:
      if (RefreshApplies(Message)) {
        if (SkinDataResetRequested()) FCommonSkinData = nullptr;
        StopAnimation();
        BGChanged = true;
        if (argument != 0 && windowed) BroadcastToChildren(SK_REPAINT_IF_MOVED);
        FUpdating = false;
        UpdateColors(true);
      } else if (windowed) {
        TMessage passed = Message;
        BroadcastToChildControls(windowed, passed);
      }
      return true;
    case SK_END_PARENT_UPDATE:
      if (FUpdating && windowed) {
        if (!CheckUpdating(true))
          RedrawOwner(RDW_FRAME | RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        for (size_t i = 0; i < windowed->ControlCount(); ++i) {
          TControl* child = windowed->Controls(i);
          auto* windowedChild = dynamic_cast<TWinControl*>(child);
          if (!windowedChild || windowedChild->Showing()) SendSkinCommandToControl(child, SK_END_PARENT_UPDATE);
        }
      }
      return true;
    case SK_SET_UPDATING:
      FUpdating = argument == 1;
      return true;
    case SK_IS_UPDATING:
      Message.Result = IsUpdatingAnswer();
      return true;
    case SK_IS_HALF_VISIBLE:
      Message.Result = HalfVisible ? 1 : 0;
      return true;
    case SK_SECTION_CHANGED:
      if (Message.LParam && *PointerParam<const std::string>(Message) == FSkinSection && !FSkinSection.empty())
        Invalidate(false);
      return true;
    case SK_SET_SECTION:
      if (!Message.LParam) {
        Message.Result = 0;
        return true;
      }
      SetSkinSection(*PointerParam<const std::string>(Message));
      Message.Result = 1;
      return true;
    case SK_BG_CHANGED:
      BGChanged = true;
      StopAnimation();
      if (windowed) {
        TMessage passed = Message;
        BroadcastToChildControls(windowed, passed);
      }
      return true;
    case SK_INVALIDATE:
      Invalidate(argument != 0);
      return true;
    case SK_BG_VARIES:
      Message.Result = 1;
      return true;
    case SK_STOP_ANIMATION:
      StopAnimation();
      return true;
    case SK_REPAINT_IF_MOVED: {
      StopAnimation();
      const bool moved = RepaintIfMoved();
      BGChanged = BGChanged || moved;
      if (windowed && windowed->HandleAllocated()) {
        if (argument == 1)
          RedrawWindow(windowed->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_ALLCHILDREN);
        if (moved)
          for (size_t i = 0; i < windowed->ControlCount(); ++i) {
            TControl* child = windowed->Controls(i);
            if (!child->ComponentState().Contains(TComponentStateItem::csDestroying))
              SendSkinCommandToControl(child, SM_SKINCOMMAND, MakeSkinCommand(SK_REPAINT_IF_MOVED, 1), 0);
          }
      }
      return true;
    }
    case SK_GET_BG_COLOR:
      if (!FOwnerControl) return false;
      Message.Result = static_cast<LRESULT>(static_cast<uint32_t>(BackgroundColorAnswer()));
      return true;
    case SK_SET_HALF_VISIBLE:
      HalfVisible = true;
      return true;
    case SK_PREPARE_CACHE:
      BGChanged = false;
      Message.Result = 0;
      return true;
    case SK_GET_INDEX:
      if (Message.LParam) PointerParam<int32_t>(Message)[1] = SkinIndex;
      return true;
    case SK_CLEAR_CACHE:
      if (FCacheBmp) {
        if (windowed)
          for (size_t i = 0; i < windowed->ControlCount(); ++i) {
            auto* child = dynamic_cast<TWinControl*>(windowed->Controls(i));
            if (child && child->HandleAllocated()) SendSkinCommand(child->Handle(), SK_CLEAR_CACHE);
          }
        ClearCache();
        BGChanged = true;
      }
      return true;
    case SK_GET_BG:
      if (!Message.LParam) return true;
      GetBGInfo(*PointerParam<TacBGQuery>(Message), BackgroundQueryState());
      return true;
    case SK_FONT_CHANGED:
      if (reinterpret_cast<TsSkinManager*>(Message.LParam) == GetSkinManager()) {
        BGChanged = true;
        // The current name is still the old one while the manager announces the change.
        GetSkinManager()->UpdateFontName(FOwnerControl);
        if (windowed) {
          TMessage passed = Message;
          BroadcastToChildControls(windowed, passed);
        }
      }
      return true;
    case SK_GET_SKIN_DATA:
      Message.Result = reinterpret_cast<LRESULT>(this);
      return true;
    case SK_PRINT_MODE:
      if (argument != 0) {
        CtrlSkinState |= csPrinting;
        PrintDC = reinterpret_cast<HDC>(Message.LParam);
      } else {
        CtrlSkinState &= ~csPrinting;
        PrintDC = nullptr;
      }
      return true;
    case SK_LIGHT:
      if (auto* ctrl = dynamic_cast<TsCtrlSkinData*>(this); ctrl && ctrl->OnUpdateLight)
        ctrl->OnUpdateLight(FOwnerControl, argument);
      return true;
    case SK_PAINT_OUTER:
      if (Message.LParam) PaintOuterEffect(*PointerParam<TacBGQuery>(Message));
      return true;
    case SK_INIT_TRANSPARENCY:
      Message.Result = InitTransparency(Message.LParam);
      return true;
    case SK_FORCE_OPAQUE:
      if (DoForceOpaque()) {
        RedrawOwner(RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Message.Result = 1;
      }
      return true;
    case SK_SCROLLS_CHANGED:
      if (windowed) {
        if (windowed->HandleAllocated())
          SetWindowPos(windowed->Handle(), nullptr, 0, 0, 0, 0,
                       SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        TMessage passed = Message;
        BroadcastToChildControls(windowed, passed);
      }
      return true;
    case SK_GET_APPLICATION:
      Message.Result = reinterpret_cast<LRESULT>(&Application());
      return true;
    case SK_GET_TEXT_SOURCE:
      if (!Message.LParam) return true;
      Message.Result = FindTextSource(*PointerParam<TacTextSourceQuery>(Message));
      return true;
    case SK_PPI_CHANGED:
      if (Message.LParam < kMinPPI || Message.LParam > kMaxPPI) return false;
      CurrentPPI = static_cast<int32_t>(Message.LParam);
      if (TsSkinManager* manager = GetSkinManager(); manager && manager->IsActive())
        FCommonSkinData = &manager->CommonSkinData(CurrentPPI);
      else
        FCommonSkinData = nullptr;
      if (windowed) {
        TMessage passed = Message;
        BroadcastToChildControls(windowed, passed);
      }
      return false;
    case SK_GET_PPI:
      Message.Result = CurrentPPI;
      return true;
    case SK_GET_BOUNDS:
      if (Message.LParam) {
        RECT& bounds = *PointerParam<RECT>(Message);
        bounds = FOwnerControl ? FOwnerControl->BoundsRect() : RECT{};
      }
      return true;
    case SK_DROP_EFFECTS:
      RemoveEffects();
      if (windowed) {
        TMessage passed = Message;
        BroadcastToChildControls(windowed, passed);
      }
      return true;
    case SK_IS_ACTIVE: {
      TsSkinManager* manager = GetSkinManager();
      const bool active = manager && manager->IsActive();
      Message.Result = active || !FOwnerControl || !FOwnerControl->ControlStyle.Contains(TControlStyleItem::csOpaque);
      return true;
    }
    case SK_GET_COMMON_SKIN_DATA:
      Message.Result = reinterpret_cast<LRESULT>(GetCommonSkinData());
      Message.LParam = reinterpret_cast<LPARAM>(FCommonSkinData);
      return true;
    default:
      return false;
  }
}

LRESULT TsCommonData::IsUpdatingAnswer() {
  if (CheckUpdating(false)) return 1;
  if (FCustomColor) return 0;
  TWinControl* windowed = OwnerWindowed();
  if (!windowed) return 0;
  const bool stale = !FCacheBmp || FCacheBmp->Empty() || BGChanged;
  if (stale) {
    if (windowed->HandleAllocated()) SendSkinCommand(windowed->Handle(), SK_PREPARE_CACHE);
    return !FCacheBmp || FCacheBmp->Empty() ? 1 : 0;
  }
  return FCacheBmp->Width() != windowed->Width() || FCacheBmp->Height() != windowed->Height() ? 1 : 0;
}

int32_t TsCommonData::BackgroundQueryState() const {
  if (FFocused) return 1;
  return FMouseAbove && !KindIgnoresMouseForBackground(FKind) ? 1 : 0;
}
