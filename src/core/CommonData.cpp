#include "core/CommonData.h"

#include <algorithm>

#include "base/StrUtils.h"
#include "core/LayeredEffects.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/Screen.h"
#include "framework/WinControl.h"
#include "graphics/Composition.h"
#include "manager/SkinManager.h"
#include "skin/SkinData.h"

const TIdentTable<TacOuterVisibility> kOuterVisibilityIdents{
    {"ovNone", ovNone}, {"ovAlways", ovAlways}, {"ovFocused", ovFocused}, {"ovMouseHovered", ovMouseHovered}};
const TIdentTable<TacOpaqueMode> kOpaqueModeIdents{
    {"omAuto", omAuto}, {"omForceOpaque", omForceOpaque}, {"omAlphaChannel", omAlphaChannel}};

bool KindHasNoMouseHotState(uint8_t Kind) { return Kind == ckPanel; }
bool KindHotOnlyWhenEditsHover(uint8_t Kind) { return Kind == ckEdit; }
bool KindColorsFollowSection(uint8_t Kind) { return Kind == ckEdit; }
bool KindResetsLightOnSkinChange(uint8_t Kind) { return Kind == ckButton; }
bool KindIgnoresMouseForBackground(uint8_t Kind) { return Kind == ckPanel; }

bool KindNamesDefaultSection(uint8_t Kind) {
  struct Span {
    uint8_t From, To;
  };
  static constexpr Span kSpans[] = {{2, 10},    {12, 14},   {32, 34},   {50, 51},   {53, 54},  {57, 59},
                                    {74, 76},   {78, 78},   {81, 85},   {92, 94},   {132, 141}, {143, 143},
                                    {151, 152}, {161, 161}, {165, 165}, {224, 224}, {226, 227}};
  return std::any_of(std::begin(kSpans), std::end(kSpans),
                     [Kind](const Span& s) { return Kind >= s.From && Kind <= s.To; });
}

bool& SkinDataResetRequested() {
  static bool requested = false;
  return requested;
}

const TClassInfo& TacOuterEffects::StaticClassInfo() {
  static const TClassInfo info("TacOuterEffects", &TPersistent::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    c.Enum<TacOuterEffects, TacOuterVisibility>("Visibility", &TacOuterEffects::SetVisibility,
                                                kOuterVisibilityIdents);
  });
  return info;
}

const TClassInfo& TsCommonData::StaticClassInfo() {
  static const TClassInfo info("TsCommonData", &TPersistent::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    c.Enum<TsCommonData, TacOpaqueMode>("OpaqueMode", &TsCommonData::SetOpaqueMode, kOpaqueModeIdents);
    c.Boolean<TsCommonData>("CustomColor", &TsCommonData::SetCustomColor);
    c.Boolean<TsCommonData>("CustomFont", &TsCommonData::SetCustomFont);
    c.String<TsCommonData>("SkinSection", &TsCommonData::SetSkinSection);
    c.Object<TsCommonData, TacOuterEffects>("OuterEffects", &TsCommonData::OuterEffects);
  });
  return info;
}

const TClassInfo& TsCtrlSkinData::StaticClassInfo() {
  static const TClassInfo info("TsCtrlSkinData", &TsCommonData::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    c.Integer<TsCtrlSkinData>("HUEOffset", &TsCommonData::SetHUEOffset);
    c.Integer<TsCtrlSkinData>("Saturation", &TsCommonData::SetSaturation);
    c.Color<TsCtrlSkinData>("ColorTone", &TsCommonData::SetColorTone);
  });
  return info;
}

TsCommonData::TsCommonData(TObject* Owner, bool CreateCacheBmp, uint8_t Kind)
    : FOuterEffects(this), FKind(Kind), FOwnerObject(Owner) {
  FOwnerControl = dynamic_cast<TControl*>(Owner);
  if (auto* windowed = dynamic_cast<TWinControl*>(Owner)) WndProc = windowed->WindowProc;
  if (CreateCacheBmp) FCacheBmp = std::make_unique<TacWorkBitmap>();
  InitCommonProp();
}

TsCommonData::~TsCommonData() {
  AnimTimer.reset();
  RemoveCommonProp();
  SkinIndex = -1;
  FSkinManager = nullptr;
  RemoveEffects();
  ClearLinks();
}

// Ownership and the window property

bool TsCommonData::OwnerLoading() const {
  if (const auto* component = dynamic_cast<const TComponent*>(FOwnerObject))
    return component->ComponentState().Contains(TComponentStateItem::csLoading);
  return false;
}

bool TsCommonData::OwnerDestroying() const {
  if (const auto* component = dynamic_cast<const TComponent*>(FOwnerObject))
    return component->ComponentState().Contains(TComponentStateItem::csDestroying);
  return false;
}

TWinControl* TsCommonData::OwnerWindowed() const { return dynamic_cast<TWinControl*>(FOwnerControl); }

HWND TsCommonData::OwnerHandle() const {
  if (TWinControl* windowed = OwnerWindowed()) {
    if (OwnerDestroying()) return nullptr;
    return windowed->HandleAllocated() ? windowed->Handle() : nullptr;
  }
  return FSWHandle;
}

void TsCommonData::InitCommonProp() {
  const HWND handle = OwnerHandle();
  if (!handle) return;
  if (!WndProc && OwnerWindowed()) WndProc = OwnerWindowed()->WindowProc;
  SetPropertyWindow(handle);
}

// The property goes whenever the data goes, even while the owner is being
// destroyed or the application ends: a window left with it would hand a
// freed object to the next skin command.
void TsCommonData::RemoveCommonProp() { SetPropertyWindow(nullptr); }

void TsCommonData::ClearLinks() {
  FOwnerControl = nullptr;
  FOwnerObject = nullptr;
  FSWHandle = nullptr;
}

void TsCommonData::RemoveEffects() {
  HideGlow(GlowID);
  HideGlow(CircleID);
}

void TsCommonData::ClearCache() {
  if (FCacheBmp) FCacheBmp->SetSize(0, 0);
}

void TsCommonData::BroadcastToChildren(int Command, int Argument, LPARAM lParam) {
  TWinControl* windowed = OwnerWindowed();
  if (!windowed) return;
  TMessage message{SM_SKINCOMMAND, MakeSkinCommand(Command, Argument), lParam, 0};
  BroadcastToChildControls(windowed, message);
}

// Loading and binding

void TsCommonData::Loaded(bool UpdateColors) {
  Loading = false;
  FCommonSkinData = nullptr;
  BindSection();
  if (Skinned() && FOwnerControl && FOwnerControl->Parent() && !OwnerLoading()) {
    if (OwnerWindowed())
      if (TCustomForm* form = GetParentForm(FOwnerControl))
        SendSkinCommandToControl(form, SK_ADAPT_CHILDREN, reinterpret_cast<LPARAM>(FOwnerControl));
    if (!GlassModeInit) {
      const TsCommonData* parentData = CommonDataOf(FOwnerControl->Parent());
      const LPARAM mode = parentData ? parentData->TranspMode : 0;
      SendSkinCommandToControl(FOwnerControl, SK_INIT_TRANSPARENCY, 1 | (mode << 16));
    }
    if (UpdateColors) this->UpdateColors(false);
  }
  InitCommonProp();
}

void TsCommonData::BindSection() {
  if (!FSkinSection.empty() || KindNamesDefaultSection(FKind)) return UpdateIndexes(true);
  switch (FKind) {
    case 18: return SetSkinSection("COMBOBOX");
    case 19: return SetSkinSection("BAR");
    case 20: return SetSkinSection("BARTITLE");
    case 56: return SetSkinSection("DRAGBAR");
    case 98: return SetSkinSection("TOOLBUTTON");
    case 230: return SetSkinSection("EDIT");
    default: break;
  }
  if (FOwnerObject) SetSkinSection(FOwnerObject->ClassName());
  UpdateIndexes(true);
}

void TsCommonData::UpdateIndexes(bool UpdateMain) {
  BGChanged = true;
  if (UpdateMain) {
    FCommonSkinData = nullptr;
    int32_t index = -1;
    TsSkinManager* manager = GetSkinManager();
    // Controls bind while a new skin is announced, before it counts as active.
    if (manager && manager->SkinLoaded()) {
      if (!FSkinSection.empty()) {
        index = manager->GetSkinIndex(FSkinSection);
      } else if (FOwnerControl) {
        TWinControl* windowed = OwnerWindowed();
        const LRESULT answer = windowed && windowed->HandleAllocated()
                                   ? SendSkinCommand(windowed->Handle(), SK_GET_DEFAULT_INDEX)
                                   : FOwnerControl->Perform(SM_SKINCOMMAND, MakeSkinCommand(SK_GET_DEFAULT_INDEX));
        index = static_cast<int32_t>(std::clamp<LRESULT>(answer - 1, -1, INT32_MAX));
      }
    }
    SkinIndex = index;
  }
  UpdateBGType();
}

void TsCommonData::UpdateBGType() {
  BGType = 0;
  const TsGeneralData* section = Section();
  if (!section) return;
  const TacSkinData& skin = *GetCommonSkinData();
  if (skin.IsValidImgIndex(section->BorderIndex)) {
    const int32_t mode = skin.ma[static_cast<size_t>(section->BorderIndex)].DrawMode;
    auto in = [mode](std::initializer_list<int32_t> modes) { return std::find(modes.begin(), modes.end(), mode) != modes.end(); };
    if (in({1, 4, 5, 8, 9, 11, 12})) BGType |= 0x04;
    if (in({0, 1, 3, 5, 10, 12})) BGType |= 0x10;
    if (in({0, 1, 7, 9, 10, 12})) BGType |= 0x40;
    if (in({0, 1, 2, 4, 10, 11})) BGType |= 0x20;
    if (in({0, 1, 6, 8, 10, 11})) BGType |= 0x80;
  }
  const TsGenState& normal = section->Props[0];
  if (skin.IsValidImgIndex(normal.TextureIndex) && normal.ImagePercent > 0) {
    switch (skin.ma[static_cast<size_t>(normal.TextureIndex)].DrawMode) {
      case 0: BGType |= 0x02; break;
      case 1: BGType |= 0x01; break;
      case 2: BGType |= 0x03; break;
      default: break;
    }
  }
}

// Properties

void TsCommonData::SetSkinSection(const std::string& Value) {
  const std::string name = UpperCase(Value);
  if (name == FSkinSection) return;
  RemoveEffects();
  FSkinSection = name;
  if (!GetSkinManager())
    SkinIndex = -1;
  else
    UpdateIndexes(true);
  const bool reading = FOwnerControl && FOwnerControl->ComponentState().Contains(TComponentStateItem::csReading);
  if (!FOwnerControl || !FOwnerControl->Parent() || OwnerLoading() || reading || OwnerDestroying()) {
    if (!FOwnerControl) BGChanged = true;
    return;
  }
  if (OwnerWindowed()) {
    ClearCache();
    BroadcastToChildren(SK_BG_CHANGED, 1);
  }
  if (FUpdating || Loading) {
    if (!Loading) ApplyStateColors(false);
    return;
  }
  TsSkinManager* manager = GetSkinManager();
  const bool valid = Section() != nullptr;
  SendSkinCommandToControl(FOwnerControl, SM_SKINCOMMAND,
                           valid ? MakeSkinCommand(SK_REFRESH, SkinIndex) : MakeSkinCommand(SK_SKIN_REMOVED),
                           reinterpret_cast<LPARAM>(manager));
}

void TsCommonData::SetSkinManager(TsSkinManager* Value) {
  TsSkinManager* stored = Value == DefaultManager() ? nullptr : Value;
  if (stored == FSkinManager) return;
  FCommonSkinData = nullptr;
  FSkinManager = stored;
  if (OwnerLoading()) return;
  const bool hasSections = Value && Value->IsActive();
  if (hasSections)
    UpdateIndexes(true);
  else
    SkinIndex = -1;
  if (!FOwnerControl || !FOwnerControl->Parent() || OwnerDestroying()) return;
  const bool valid = hasSections && Value->IsValidSkinIndex(SkinIndex);
  SendSkinCommandToControl(FOwnerControl, valid ? SK_REFRESH : SK_SKIN_REMOVED, reinterpret_cast<LPARAM>(Value));
}

void TsCommonData::SetCustomColor(bool Value) {
  if (Value == FCustomColor) return;
  FCustomColor = Value;
  if (!FOwnerControl || OwnerLoading() || Loading) return;
  if (Value) {
    if (SavedColor != clNone) FOwnerControl->SetColor(SavedColor);
  } else {
    SavedColor = FOwnerControl->Color();
  }
  UpdateColors(true);
}

void TsCommonData::SetCustomFont(bool Value) {
  if (Value == FCustomFont) return;
  FCustomFont = Value;
  if (!FOwnerControl || OwnerLoading() || Loading) return;
  if (Value) {
    if (SavedFontColor != clNone) FOwnerControl->Font().SetColor(SavedFontColor);
  } else {
    SavedFontColor = FOwnerControl->Font().Color();
  }
  UpdateColors(true);
}

// A colour shift of the finished image: the colours are applied again and
// the control repainted.
void TsCommonData::SetColorShift(int32_t& Field, int32_t Value) {
  if (Value == Field) return;
  Field = Value;
  Loaded(true);
  Invalidate(false);
}

void TsCommonData::SetHUEOffset(int32_t Value) { SetColorShift(FHUEOffset, Value); }
void TsCommonData::SetSaturation(int32_t Value) { SetColorShift(FSaturation, Value); }
void TsCommonData::SetColorTone(TColor Value) { SetColorShift(FColorTone, Value); }

bool TsCommonData::DoForceOpaque() const { return FOpaqueMode == omForceOpaque && CompositionEnabled(); }

void TsCommonData::SetOpaqueMode(TacOpaqueMode Value) {
  FOpaqueMode = Value;
  TWinControl* windowed = OwnerWindowed();
  const bool designing =
      windowed && windowed->ComponentState().Contains(TComponentStateItem::csDesigning);
  if (windowed && !OwnerLoading() && !OwnerDestroying() && !designing && CompositionEnabled())
    windowed->Perform(CM_RECREATEWND);
}

bool TsCommonData::IsSkinSectionStored() {
  if (FSkinSection.empty()) return false;
  static const char* const kDefaultSections[] = {"EDIT",     "BUTTON",      "TRANSPARENT", "TOOLBAR",   "CHECKBOX",
                                                 "COMBOBOX", "GAUGE",       "SLIDER_ON",   "GROUPBOX",  "PAGECONTROL",
                                                 "TABSHEET", "PANEL",       "FORM",        "PANEL_LOW", "SPEEDBUTTON",
                                                 "SPLITTER", "STATUSBAR",   "TRACKBAR",    "COMBONOEDIT"};
  const LRESULT kind = FOwnerControl ? FOwnerControl->Perform(SM_SKINCOMMAND, MakeSkinCommand(SK_GET_DEFAULT_KIND)) : 0;
  if (kind < 1 || kind > static_cast<LRESULT>(std::size(kDefaultSections))) return true;
  return FSkinSection != kDefaultSections[kind - 1];
}

// The skin

TsSkinManager* TsCommonData::GetSkinManager() const { return FSkinManager ? FSkinManager : DefaultManager(); }

TacSkinData* TsCommonData::GetCommonSkinData() {
  TsSkinManager* manager = GetSkinManager();
  // Without a manager the data paints with whatever skin data it was given.
  if (!manager) return FCommonSkinData;
  const bool designing = manager->ComponentState().Contains(TComponentStateItem::csDesigning);
  if (SkinIndex < 0 || !manager->IsActive() || manager->SkinDataArray().empty()) {
    FCommonSkinData = nullptr;
    if (designing) return &manager->CommonSkinData(96);
    if (manager->Options().ScaleMode == smCustomPPI) return &manager->CommonSkinData(manager->Options().PixelsPerInch);
    return &manager->CommonSkinData();
  }
  if (FCommonSkinData) return FCommonSkinData;
  const bool parentShowing = FOwnerControl && FOwnerControl->Parent() && FOwnerControl->Parent()->HandleAllocated() &&
                             FOwnerControl->Parent()->Showing();
  if (!parentShowing) return &manager->CommonSkinData(Screen().PixelsPerInch());
  int32_t ppi = 96;
  if (manager->ManagerState.Contains(TacManagerStateValue::msFormScaling)) {
    ppi = CurrentPPI;
  } else {
    switch (manager->Options().ScaleMode) {
      case smAuto:
      case smVCL: {
        const TCustomForm* form = GetParentForm(FOwnerControl);
        ppi = form ? form->PixelsPerInch() : CurrentPPI;
        break;
      }
      case smOldMode: ppi = 96; break;
      case smCustomPPI: ppi = manager->Options().PixelsPerInch; break;
      case sm100: ppi = 96; break;
      case sm125: ppi = 120; break;
      case sm150: ppi = 144; break;
      case sm200: ppi = 192; break;
    }
  }
  FCommonSkinData = &manager->CommonSkinData(ppi);
  PPIIndex = manager->Scaling().SlotOfPPI(ppi);
  return FCommonSkinData;
}

bool TsCommonData::Skinned(bool CheckSkinActive) {
  try {
    TsSkinManager* manager = GetSkinManager();
    if (!manager || manager->ComponentState().Contains(TComponentStateItem::csDestroying) || SkinIndex < 0)
      return false;
    if (OwnerDestroying()) return false;
    const TacSkinData* skin = GetCommonSkinData();
    if (!skin || !skin->IsValidSkinIndex(SkinIndex)) return false;
    return !CheckSkinActive || manager->IsActive();
  } catch (...) {
    return false;
  }
}

const TsGeneralData* TsCommonData::Section() {
  TacSkinData* skin = GetCommonSkinData();
  if (!skin || !skin->IsValidSkinIndex(SkinIndex)) return nullptr;
  return &skin->gd[static_cast<size_t>(SkinIndex)];
}

// State

int32_t TsCommonData::CtrlState() const {
  if (!FOwnerControl || OwnerDestroying() || !FOwnerControl->Enabled() ||
      FOwnerControl->ComponentState().Contains(TComponentStateItem::csDesigning))
    return 0;
  if (FFocused) return 1;
  if (TWinControl* windowed = OwnerWindowed(); windowed && windowed->Focused() && FKind != ckPanel) return 1;
  TsSkinManager* manager = GetSkinManager();
  if (!FMouseAbove || (manager && manager->Options().NoMouseHover)) return 0;
  if (KindHasNoMouseHotState(FKind)) return 0;
  return !KindHotOnlyWhenEditsHover(FKind) || acEditsMayHover ? 1 : 0;
}

// Deferred painting

bool TsCommonData::GetUpdating() {
  TsSkinManager* manager = GetSkinManager();
  if (!manager || manager->ComponentState().Contains(TComponentStateItem::csDesigning)) return false;
  if (FUpdating) return true;
  if (OwnerDestroying() || !FOwnerControl || !FOwnerControl->Parent()) return false;
  return SendSkinCommandToControl(FOwnerControl->Parent(), SK_IS_UPDATING) != 0;
}

bool TsCommonData::CheckUpdating(bool Reset) {
  if (Reset) FUpdating = false;
  if (!GetUpdating()) return false;
  FUpdating = true;
  return true;
}

void TsCommonData::BeginUpdate() {
  ++FUpdateCount;
  FUpdating = true;
  CtrlSkinState |= csInUpdate;
  if (FOwnerControl) FOwnerControl->Perform(SM_SKINCOMMAND, MakeSkinCommand(SK_BEGIN_UPDATE));
}

// Deferral ends with the outermost update only: an inner EndUpdate must not
// let the control paint in the middle of the outer one.
void TsCommonData::EndUpdate(bool Repaint) {
  if (FUpdateCount == 0 || --FUpdateCount > 0) return;
  FUpdating = false;
  CtrlSkinState &= ~csInUpdate;
  if (FOwnerControl) FOwnerControl->Perform(SM_SKINCOMMAND, MakeSkinCommand(SK_END_UPDATE));
  if (Repaint) Invalidate(true);
}

void TsCommonData::RedrawOwner(UINT Flags) {
  if (const HWND handle = OwnerHandle()) RedrawWindow(handle, nullptr, nullptr, Flags);
}

void TsCommonData::StopAnimation() {
  if (!AnimTimer || AnimTimer->Destroyed) return;
  TacThreadedTimer& timer = *AnimTimer;
  timer.DisableTimer();
  if (timer.State == 0) timer.Glow = 0;
  timer.State = -1;
  timer.ThreadType = 0;
  timer.ClickReleased = false;
  timer.BmpTo.reset();
  timer.BmpFrom.reset();
  timer.BmpOut.reset();
}

bool TsCommonData::IsAnimating() const {
  return AnimTimer && !AnimTimer->Destroyed && AnimTimer->Enabled() && AnimTimer->State != -1 && AnimTimer->BmpOut;
}

void TsCommonData::Invalidate(bool UpdateNow) {
  BGChanged = true;
  if (Loading) return;
  const UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | (UpdateNow ? RDW_UPDATENOW : 0);
  if (!FOwnerControl) {
    if (FSWHandle) RedrawWindow(FSWHandle, nullptr, nullptr, flags);
    return;
  }
  const TComponentState& state = FOwnerControl->ComponentState();
  TWinControl* windowed = OwnerWindowed();
  if (OwnerLoading() || OwnerDestroying() || state.Contains(TComponentStateItem::csReading) ||
      !FOwnerControl->Parent() || (windowed && !windowed->HandleAllocated()) ||
      FOwnerControl->ControlState.Contains(TControlStateItem::csCreating))
    return;
  if (AnimTimer && AnimTimer->ThreadType != 1) StopAnimation();
  if (windowed) {
    RedrawWindow(windowed->Handle(), nullptr, nullptr, flags);
  } else if (FKind == 92) {
    FOwnerControl->Perform(SM_SKINCOMMAND, MakeSkinCommand(SK_INVALIDATE), UpdateNow ? 1 : 0);
  } else {
    FOwnerControl->Repaint();
  }
}

bool TsCommonData::RepaintIfMoved() {
  if (!Skinned() || !FOwnerControl || !FOwnerControl->Enabled()) return true;
  TsSkinManager* manager = GetSkinManager();
  if (manager && manager->ManagerState.Contains(TacManagerStateValue::msSkinChanging)) return true;
  const TsGeneralData* section = Section();
  if (!section || section->Props[0].Transparency <= 0) return false;
  TWinControl* parent = FOwnerControl->Parent();
  if (!parent || !parent->HandleAllocated()) return false;
  return SendSkinCommandToControl(parent, SK_BG_VARIES) != 0;
}

// The common data of a window or control

TsCommonData* CommonDataOf(HWND window) {
  return dynamic_cast<TsCommonData*>(SkinCommandTargetOf(window));
}

TsCommonData* CommonDataOf(TControl* control) {
  if (!control) return nullptr;
  if (auto* windowed = dynamic_cast<TWinControl*>(control); windowed && windowed->HandleAllocated())
    if (TsCommonData* data = CommonDataOf(windowed->Handle())) return data;
  return reinterpret_cast<TsCommonData*>(control->Perform(SM_SKINCOMMAND, MakeSkinCommand(SK_GET_SKIN_DATA)));
}
