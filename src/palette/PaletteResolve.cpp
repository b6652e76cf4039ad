#include <utility>

#include "graphics/PixelFill.h"
#include "palette/Palette.h"

namespace {
constexpr std::pair<TColor, TacPaletteColors> kConstants[] = {
    {acPaletteConst::pcEditText_Ok, pcEditText_Ok},
    {acPaletteConst::pcEditText_Warning, pcEditText_Warning},
    {acPaletteConst::pcEditText_Alert, pcEditText_Alert},
    {acPaletteConst::pcEditBG_Ok, pcEditBG_Ok},
    {acPaletteConst::pcEditBG_Warning, pcEditBG_Warning},
    {acPaletteConst::pcEditBG_Alert, pcEditBG_Alert},
    {acPaletteConst::pcBtnToneRed, pcBtnToneRed},
    {acPaletteConst::pcBtnToneRedActive, pcBtnToneRedActive},
    {acPaletteConst::pcBtnToneGreen, pcBtnToneGreen},
    {acPaletteConst::pcBtnToneGreenActive, pcBtnToneGreenActive},
    {acPaletteConst::pcBtnToneBlue, pcBtnToneBlue},
    {acPaletteConst::pcBtnToneBlueActive, pcBtnToneBlueActive},
    {acPaletteConst::pcBtnToneYellow, pcBtnToneYellow},
    {acPaletteConst::pcBtnToneYellowActive, pcBtnToneYellowActive},
    {acPaletteConst::pcBtnRedText, pcBtnRedText},
    {acPaletteConst::pcBtnRedTextActive, pcBtnRedTextActive},
    {acPaletteConst::pcBtnGreenText, pcBtnGreenText},
    {acPaletteConst::pcBtnGreenTextActive, pcBtnGreenTextActive},
    {acPaletteConst::pcBtnBlueText, pcBtnBlueText},
    {acPaletteConst::pcBtnBlueTextActive, pcBtnBlueTextActive},
    {acPaletteConst::pcBtnYellowText, pcBtnYellowText},
    {acPaletteConst::pcBtnYellowTextActive, pcBtnYellowTextActive},
};

// Without a skin, a palette constant gives its own colour (the low 24 bits).
TColor WithoutSkin(TColor Value) {
  const TColor low = Value & 0x00FFFFFF;
  return Value < 0 && low > 100 ? low : ColorToRGB(Value);
}
}  // namespace

bool PaletteEntryOfConstant(TColor Value, TacPaletteColors& Entry) {
  for (const auto& [constant, entry] : kConstants)
    if (constant == Value) {
      Entry = entry;
      return true;
    }
  return false;
}

const TsGenState* TacSkinPalette::SlotState(TacSection Slot, int State) const {
  if (!SkinData) return nullptr;
  const int32_t index = SkinData->Sections[Slot];
  return SkinData->IsValidSkinIndex(index) ? &SkinData->gd[static_cast<size_t>(index)].Props[State] : nullptr;
}

TColor TacSkinPalette::SkinColorToRGB(TColor Value) const {
  if (Value >= 0) return Value;
  if (!SkinActive) return WithoutSkin(Value);
  const TColor main = Palette[pcMainColor];
  const TsGenState* titleActive = SlotState(ssFormTitle, 1);
  const TsGenState* titleInactive = SlotState(ssFormTitle, 0);
  const TsGenState* hint = SlotState(ssHint, 0);
  switch (Value) {
    case clSkinMainColor:
    case clScrollBar:
    case clBackground:
    case clMenu:
    case clAppWorkSpace:
    case clBtnFace:
    case clMenuBar:
      return main;
    case clActiveCaption:
    case clGradientActiveCaption:
      return titleActive ? ColorToRGB(titleActive->Color) : main;
    case clInactiveCaption:
    case clGradientInactiveCaption:
      return titleInactive ? ColorToRGB(titleInactive->Color) : main;
    case clWindowFrame:
    case clActiveBorder:
    case clInactiveBorder:
      return Palette[pcBorder];
    case clMenuText:
    case clBtnText:
      return Palette[pcLabelText];
    case clCaptionText:
      return titleActive ? ColorToRGB(titleActive->FontColor.Color) : Palette[pcLabelText];
    case clInactiveCaptionText:
      return titleInactive ? ColorToRGB(titleInactive->FontColor.Color) : Palette[pcLabelText];
    case clHighlight:
    case clMenuHighlight:
      return Palette[pcSelectionBG_Focused];
    case clHighlightText:
      return Palette[pcSelectionText_Focused];
    case clBtnShadow:
      return MixColors(main, clBlack, 230);
    case clGrayText:
      return MixColors(main, Palette[pcLabelText], 127);
    case clBtnHighlight:
      return MixColors(main, Palette[pcSelectionBG_Focused], 127);
    case cl3DDkShadow:
      return MixColors(main, clBlack, 210);
    case cl3DLight:
      return MixColors(main, clWhite, 180);
    case clInfoText:
      return hint ? ColorToRGB(hint->FontColor.Color) : Palette[pcEditText];
    case clWindowText:
      return Palette[pcEditText];
    case clInfoBk:
      return hint ? ColorToRGB(hint->Color) : Palette[pcEditBG];
    case clWindow:
      return Palette[pcEditBG];
    case clHotLight:
      return Palette[pcWebTextHot];
    default:
      break;
  }
  TacPaletteColors entry;
  return PaletteEntryOfConstant(Value, entry) ? Palette[entry] : ColorToRGB(Value);
}

TColor SkinColorToRGB(TColor Value, const TacSkinPalette* Palette) {
  return Palette ? Palette->SkinColorToRGB(Value) : WithoutSkin(Value);
}

std::optional<TColor> TacSkinPalette::SysColor(int Index) const {
  switch (Index) {
    case clWindow & 0xFF: return Palette[pcEditBG];
    case clWindowFrame & 0xFF: return Palette[pcBorder];
    case clWindowText & 0xFF: return Palette[pcEditText];
    case clInactiveBorder & 0xFF: return SysInactiveBorderColor;
    case clHighlight & 0xFF: return Palette[pcSelectionBG_Focused];
    case clHighlightText & 0xFF: return Palette[pcSelectionText_Focused];
    case clBtnShadow & 0xFF:
    case cl3DDkShadow & 0xFF: return MixColors(Palette[pcMainColor], clBlack, 205);
    case cl3DLight & 0xFF: return MixColors(Palette[pcMainColor], clWhite, 205);
    default: return std::nullopt;
  }
}

std::optional<TColor> TacSkinPalette::SysBrushColor(int Index) const {
  switch (Index) {
    case clWindow & 0xFF: return Palette[pcEditBG];
    case clWindowText & 0xFF: return Palette[pcEditText];
    case clHighlight & 0xFF: return Palette[pcSelectionBG_Focused];
    case clHighlightText & 0xFF: return Palette[pcSelectionText_Focused];
    default: return std::nullopt;
  }
}

TColor TacSkinPalette::PenColor(TColor Color) const {
  switch (Color) {
    case 5: return Palette[pcEditBG];
    case 6: return Palette[pcBorder];
    case 11: return SysInactiveBorderColor;
    case 13: return Palette[pcSelectionBG_Focused];
    case 14: return Palette[pcSelectionText_Focused];
    case 15: return Palette[pcMainColor];
    case 16:
    case 21: return MixColors(Palette[pcMainColor], clBlack, 205);
    case 22: return MixColors(Palette[pcMainColor], clWhite, 205);
    case 12632256:  // the usual light greys
    case 15790320: return MixColors(Palette[pcEditText], Palette[pcEditBG], 38);
    default: return Color;
  }
}
