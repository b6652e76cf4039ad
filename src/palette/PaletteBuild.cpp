#include <span>
#include <string>

#include "base/Exception.h"
#include "base/StrUtils.h"
#include "graphics/PixelFill.h"
#include "palette/Palette.h"

namespace {
constexpr TColor kOpaque = static_cast<TColor>(0xFF000000u);

class PaletteReader {
 public:
  PaletteReader(const TacSkinData& Data, const TMemIniFile& Options) : FData(Data), FOptions(Options) {}

  TColor Global(const char* Key, TColor Default) const { return FOptions.ReadInteger(s_GlobalInfo, Key, Default); }

  // Button colours keep the alpha byte of values such as -723724 (0xFFF4F4F4).
  TColor Global64(const char* Key, TColor Default) const {
    const std::string* text = FOptions.FindValue(s_GlobalInfo, Key);
    if (!text || Trim(*text).empty()) return Default;
    int64_t value = 0;
    if (!TryStrToInt64(Trim(*text), value)) throw Exception("'" + *text + "' is not a valid integer value");
    return static_cast<TColor>(static_cast<uint32_t>(static_cast<uint64_t>(value)));
  }

  const TsGeneralData* Section(const char* Name) const {
    const int32_t index = FData.GetSkinIndex(Name);
    return FData.IsValidSkinIndex(index) ? &FData.gd[static_cast<size_t>(index)] : nullptr;
  }

 private:
  const TacSkinData& FData;
  const TMemIniFile& FOptions;
};

bool NoColor(TColor c) { return c == -1 || c == clFuchsia; }

// A palette entry read from a key of "GLOBALINFO", with the value it takes
// when the key is missing; a default may follow entries read before it.
struct PaletteKey {
  TacPaletteColors Entry;
  const char* Key;
  TColor (*Default)(const TacPaletteArray& Palette);
  bool WithAlpha = false;  // read in 64 bits: the button colours keep their alpha byte
};

template <TColor Value>
TColor Fixed(const TacPaletteArray&) {
  return Value;
}
template <TacPaletteColors Entry>
TColor Same(const TacPaletteArray& Palette) {
  return Palette[Entry];
}
TColor ButtonFace(const TacPaletteArray&) { return ColorToRGB(clBtnFace); }
// The main colour mixed with Other, opaque.
template <TColor Other, int32_t Weight>
TColor MainMixed(const TacPaletteArray& Palette) {
  return MixColors(Palette[pcMainColor], Other, Weight) | kOpaque;
}
TColor MainOpaque(const TacPaletteArray& Palette) { return Palette[pcMainColor] | kOpaque; }
TColor EvenRow(const TacPaletteArray& Palette) { return MixColors(Palette[pcEditText], Palette[pcEditBG], 13); }

// The skin-wide colours, read before the sections' colours.
constexpr PaletteKey kSkinWideKeys[] = {
    {pcMainColor, "COLOR", ButtonFace},
    {pcLabelText, "FONTCOLOR", Fixed<0>},
    {pcWebText, "TCBOTTOM", Fixed<clBlue>},
    {pcWebTextHot, "TCTOP", Fixed<clRed>},
    {pcBorder, "BORDERCOLOR", Fixed<0>},
};

// Read after the sections' colours, in this order.
constexpr PaletteKey kEntryKeys[] = {
    {pcEditText_Ok, "EDITTEXT_OK", Fixed<0x404000>},
    {pcEditText_Warning, "EDITTEXT_WARN", Fixed<0x004C4C>},
    {pcEditText_Alert, "EDITTEXT_ALERT", Fixed<0x00006C>},
    {pcEditText_Caution, "EDITTEXT_ALERT", Fixed<0x00006C>},
    {pcEditText_Bypassed, "EDITTEXT_ALERT", Fixed<0x00006C>},
    {pcEditBG_Ok, "EDITBG_OK", Fixed<0xC9FFD2>},
    {pcEditBG_Warning, "EDITBG_WARN", Fixed<0xBAFFFF>},
    {pcEditBG_Alert, "EDITBG_ALERT", Fixed<0xDBDBFF>},
    {pcEditBG_Caution, "EDITBG_ALERT", Fixed<0xDBDBFF>},
    {pcEditBG_Bypassed, "EDITBG_ALERT", Fixed<0xDBDBFF>},
    {pcEditText_Highlight1, "EDITTEXT_H1", Fixed<0>},
    {pcEditText_Highlight2, "EDITTEXT_H2", Fixed<0>},
    {pcEditText_Highlight3, "EDITTEXT_H3", Fixed<0>},
    {pcEditText_Inverted, "EDITTEXT_INV", Same<pcEditBG>},
    {pcEditBG_Inverted, "EDITBG_INV", Same<pcEditText>},
    {pcEditBG_OddRow, "EDITBG_ODD", Same<pcEditBG>},
    {pcEditBG_EvenRow, "EDITBG_EVEN", EvenRow},
    {pcBtnColor1Active, "BTNCOLOR1ACTIVE", MainMixed<clWhite, 177>, true},
    {pcBtnColor2Active, "BTNCOLOR2ACTIVE", MainOpaque, true},
    {pcBtnBorderActive, "BTNBORDERACTIVE", Same<pcBorder>},
    {pcBtnFontActive, "BTNFONTACTIVE", Same<pcLabelText>},
    {pcBtnColor1Normal, "BTNCOLOR1NORMAL", MainOpaque, true},
    {pcBtnColor2Normal, "BTNCOLOR2NORMAL", MainMixed<clBlack, 244>, true},
    {pcBtnBorderNormal, "BTNBORDERNORMAL", Same<pcBorder>},
    {pcBtnFontNormal, "BTNFONTNORMAL", Same<pcLabelText>},
    {pcBtnColor1Pressed, "BTNCOLOR1PRESSED", MainMixed<clBlack, 233>, true},
    {pcBtnColor2Pressed, "BTNCOLOR2PRESSED", MainMixed<clBlack, 233>, true},
    {pcBtnBorderPressed, "BTNBORDERPRESSED", Same<pcBorder>},
    {pcBtnFontPressed, "BTNFONTPRESSED", Same<pcLabelText>},
    {pcBtnToneRed, "COLORTONERED", Fixed<0x9E9EFF>},
    {pcBtnToneGreen, "COLORTONEGREEN", Fixed<0x7BD098>},
    {pcBtnToneBlue, "COLORTONEBLUE", Fixed<0xFFEDC9>},
    {pcBtnToneYellow, "COLORTONEYELLOW", Fixed<0xCAF3FF>},
    {pcBtnToneRedActive, "COLORTONEREDACTIVE", Same<pcBtnToneRed>},
    {pcBtnToneGreenActive, "COLORTONEGREENACTIVE", Same<pcBtnToneGreen>},
    {pcBtnToneBlueActive, "COLORTONEBLUEACTIVE", Same<pcBtnToneBlue>},
    {pcBtnToneYellowActive, "COLORTONEYELLOWACTIVE", Same<pcBtnToneYellow>},
    {pcBtnRedText, "COLORTONEREDTEXT", Fixed<0x0000B4>},
    {pcBtnGreenText, "COLORTONEGREENTEXT", Fixed<0x28851A>},
    {pcBtnBlueText, "COLORTONEBLUETEXT", Fixed<0xAE7400>},
    {pcBtnYellowText, "COLORTONEYELLOWTEXT", Fixed<0x0079B5>},
    {pcBtnRedTextActive, "COLORTONEREDTEXTACTIVE", Same<pcBtnRedText>},
    {pcBtnGreenTextActive, "COLORTONEGREENTEXTACTIVE", Same<pcBtnGreenText>},
    // The mixed case of these two keys is part of the skin format.
    {pcBtnBlueTextActive, "COLORTONEBLUETEXTActive", Same<pcBtnBlueText>},
    {pcBtnYellowTextActive, "COLORTONEYELLOWTEXTActive", Same<pcBtnYellowText>},
};

void ReadKeys(const PaletteReader& Reader, std::span<const PaletteKey> Keys, TacPaletteArray& Palette) {
  for (const PaletteKey& key : Keys) {
    const TColor def = key.Default(Palette);
    Palette[key.Entry] = key.WithAlpha ? Reader.Global64(key.Key, def) : Reader.Global(key.Key, def);
  }
}
}  // namespace

TacSkinPalette::TacSkinPalette() : SysInactiveBorderColor(ColorToRGB(clInactiveBorder)) {}

void TacSkinPalette::Clear() { SkinData = nullptr; }

void TacSkinPalette::Build(const TacSkinData& Data, const TMemIniFile& Options) {
  const PaletteReader r(Data, Options);
  TacPaletteArray& p = Palette;
  ReadKeys(r, kSkinWideKeys, p);

  const TsGeneralData* edit = r.Section("EDIT");
  p[pcEditText] = ColorToRGB(edit ? edit->Props[0].FontColor.Color : clWindowText);
  p[pcEditBG] = ColorToRGB(edit ? edit->Props[0].Color : clWindow);

  const TsGeneralData* hint = r.Section("HINT");
  p[pcHintText] = ColorToRGB(hint ? hint->Props[0].FontColor.Color : clInfoText);
  p[pcHintBG] = ColorToRGB(hint ? hint->Props[0].Color : clInfoBk);

  // An unset selection text (checked before conversion, which would turn -1
  // into black) falls back to the menu item's hot look, then to the system.
  bool selectionText = false;
  if (const TsGeneralData* selection = r.Section("SELECTION")) {
    const TsGenState& normal = selection->Props[0];
    const TsGenState& focused = selection->Props[selection->States < 2 ? 0 : 1];
    p[pcSelectionBG] = ColorToRGB(normal.Color);
    p[pcSelectionText] = ColorToRGB(normal.FontColor.Color);
    p[pcSelectionBG_Focused] = ColorToRGB(focused.Color);
    p[pcSelectionText_Focused] = ColorToRGB(focused.FontColor.Color);
    selectionText = !NoColor(normal.FontColor.Color);
  }
  if (!selectionText) {
    if (const TsGeneralData* menuItem = r.Section("MENUITEM")) {
      const TsGenState& hot = menuItem->Props[1];
      p[pcSelectionText] = NoColor(hot.FontColor.Color) ? clHighlightText : ColorToRGB(hot.FontColor.Color);
      p[pcSelectionBG] = p[pcSelectionBG_Focused] = ColorToRGB(hot.Color);
    } else {
      p[pcSelectionText] = ColorToRGB(clHighlightText);
      p[pcSelectionBG] = p[pcSelectionBG_Focused] = ColorToRGB(clHighlight);
    }
    p[pcSelectionText_Focused] = p[pcSelectionText];
  }

  ReadKeys(r, kEntryKeys, p);

  const TColor grid = r.Global("GRIDLINE", -1);
  p[pcGrid] = grid == -1 ? MixColors(p[pcEditText], p[pcEditBG], 30) : grid;

  SkinData = &Data;
}
