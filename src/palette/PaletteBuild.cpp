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
}  // namespace

TacSkinPalette::TacSkinPalette() : SysInactiveBorderColor(ColorToRGB(clInactiveBorder)) {}

void TacSkinPalette::Clear() { SkinData = nullptr; }

void TacSkinPalette::Build(const TacSkinData& Data, const TMemIniFile& Options) {
  const PaletteReader r(Data, Options);
  TacPaletteArray& p = Palette;

  p[pcMainColor] = r.Global("COLOR", ColorToRGB(clBtnFace));
  p[pcLabelText] = r.Global("FONTCOLOR", 0);
  p[pcWebText] = r.Global("TCBOTTOM", clBlue);
  p[pcWebTextHot] = r.Global("TCTOP", clRed);
  p[pcBorder] = r.Global("BORDERCOLOR", 0);

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

  p[pcEditText_Ok] = r.Global("EDITTEXT_OK", 0x404000);
  p[pcEditText_Warning] = r.Global("EDITTEXT_WARN", 0x004C4C);
  p[pcEditText_Alert] = r.Global("EDITTEXT_ALERT", 0x00006C);
  p[pcEditText_Caution] = r.Global("EDITTEXT_ALERT", 0x00006C);
  p[pcEditText_Bypassed] = r.Global("EDITTEXT_ALERT", 0x00006C);
  p[pcEditBG_Ok] = r.Global("EDITBG_OK", 0xC9FFD2);
  p[pcEditBG_Warning] = r.Global("EDITBG_WARN", 0xBAFFFF);
  p[pcEditBG_Alert] = r.Global("EDITBG_ALERT", 0xDBDBFF);
  p[pcEditBG_Caution] = r.Global("EDITBG_ALERT", 0xDBDBFF);
  p[pcEditBG_Bypassed] = r.Global("EDITBG_ALERT", 0xDBDBFF);
  p[pcEditText_Highlight1] = r.Global("EDITTEXT_H1", 0);
  p[pcEditText_Highlight2] = r.Global("EDITTEXT_H2", 0);
  p[pcEditText_Highlight3] = r.Global("EDITTEXT_H3", 0);

  p[pcEditText_Inverted] = r.Global("EDITTEXT_INV", p[pcEditBG]);
  p[pcEditBG_Inverted] = r.Global("EDITBG_INV", p[pcEditText]);
  p[pcEditBG_OddRow] = r.Global("EDITBG_ODD", p[pcEditBG]);
  p[pcEditBG_EvenRow] = r.Global("EDITBG_EVEN", MixColors(p[pcEditText], p[pcEditBG], 13));

  const TColor main = p[pcMainColor];
  p[pcBtnColor1Active] = r.Global64("BTNCOLOR1ACTIVE", MixColors(main, clWhite, 177) | kOpaque);
  p[pcBtnColor2Active] = r.Global64("BTNCOLOR2ACTIVE", main | kOpaque);
  p[pcBtnBorderActive] = r.Global("BTNBORDERACTIVE", p[pcBorder]);
  p[pcBtnFontActive] = r.Global("BTNFONTACTIVE", p[pcLabelText]);
  p[pcBtnColor1Normal] = r.Global64("BTNCOLOR1NORMAL", main | kOpaque);
  p[pcBtnColor2Normal] = r.Global64("BTNCOLOR2NORMAL", MixColors(main, clBlack, 244) | kOpaque);
  p[pcBtnBorderNormal] = r.Global("BTNBORDERNORMAL", p[pcBorder]);
  p[pcBtnFontNormal] = r.Global("BTNFONTNORMAL", p[pcLabelText]);
  p[pcBtnColor1Pressed] = r.Global64("BTNCOLOR1PRESSED", MixColors(main, clBlack, 233) | kOpaque);
  p[pcBtnColor2Pressed] = r.Global64("BTNCOLOR2PRESSED", MixColors(main, clBlack, 233) | kOpaque);
  p[pcBtnBorderPressed] = r.Global("BTNBORDERPRESSED", p[pcBorder]);
  p[pcBtnFontPressed] = r.Global("BTNFONTPRESSED", p[pcLabelText]);

  p[pcBtnToneRed] = r.Global("COLORTONERED", 0x9E9EFF);
  p[pcBtnToneGreen] = r.Global("COLORTONEGREEN", 0x7BD098);
  p[pcBtnToneBlue] = r.Global("COLORTONEBLUE", 0xFFEDC9);
  p[pcBtnToneYellow] = r.Global("COLORTONEYELLOW", 0xCAF3FF);
  p[pcBtnToneRedActive] = r.Global("COLORTONEREDACTIVE", p[pcBtnToneRed]);
  p[pcBtnToneGreenActive] = r.Global("COLORTONEGREENACTIVE", p[pcBtnToneGreen]);
  p[pcBtnToneBlueActive] = r.Global("COLORTONEBLUEACTIVE", p[pcBtnToneBlue]);
  p[pcBtnToneYellowActive] = r.Global("COLORTONEYELLOWACTIVE", p[pcBtnToneYellow]);
  p[pcBtnRedText] = r.Global("COLORTONEREDTEXT", 0x0000B4);
  p[pcBtnGreenText] = r.Global("COLORTONEGREENTEXT", 0x28851A);
  p[pcBtnBlueText] = r.Global("COLORTONEBLUETEXT", 0xAE7400);
  p[pcBtnYellowText] = r.Global("COLORTONEYELLOWTEXT", 0x0079B5);
  p[pcBtnRedTextActive] = r.Global("COLORTONEREDTEXTACTIVE", p[pcBtnRedText]);
  p[pcBtnGreenTextActive] = r.Global("COLORTONEGREENTEXTACTIVE", p[pcBtnGreenText]);
  // The mixed case of these two keys is part of the skin format.
  p[pcBtnBlueTextActive] = r.Global("COLORTONEBLUETEXTActive", p[pcBtnBlueText]);
  p[pcBtnYellowTextActive] = r.Global("COLORTONEYELLOWTEXTActive", p[pcBtnYellowText]);

  const TColor grid = r.Global("GRIDLINE", -1);
  p[pcGrid] = grid == -1 ? MixColors(p[pcEditText], p[pcEditBG], 30) : grid;

  SkinData = &Data;
}
