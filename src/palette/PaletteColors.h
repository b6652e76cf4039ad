#pragma once
#include <array>
#include <cstdint>

#include "graphics/Color.h"

// The named colours of a skin, in the order the palette array holds them.
enum TacPaletteColors {
  pcMainColor, pcLabelText, pcWebText, pcWebTextHot, pcEditText, pcEditBG, pcSelectionBG, pcSelectionText,
  pcSelectionBG_Focused, pcSelectionText_Focused, pcEditBG_Inverted, pcEditText_Inverted, pcEditBG_OddRow,
  pcEditBG_EvenRow, pcEditText_Ok, pcEditText_Warning, pcEditText_Alert, pcEditText_Caution, pcEditText_Bypassed,
  pcEditBG_Ok, pcEditBG_Warning, pcEditBG_Alert, pcEditBG_Caution, pcEditBG_Bypassed, pcEditText_Highlight1,
  pcEditText_Highlight2, pcEditText_Highlight3, pcBtnColor1Active, pcBtnColor2Active, pcBtnBorderActive,
  pcBtnFontActive, pcBtnColor1Normal, pcBtnColor2Normal, pcBtnBorderNormal, pcBtnFontNormal, pcBtnColor1Pressed,
  pcBtnColor2Pressed, pcBtnBorderPressed, pcBtnFontPressed, pcBtnToneRed, pcBtnToneRedActive, pcBtnToneGreen,
  pcBtnToneGreenActive, pcBtnToneBlue, pcBtnToneBlueActive, pcBtnToneYellow, pcBtnToneYellowActive, pcBtnRedText,
  pcBtnRedTextActive, pcBtnGreenText, pcBtnGreenTextActive, pcBtnBlueText, pcBtnBlueTextActive, pcBtnYellowText,
  pcBtnYellowTextActive, pcBorder, pcGrid, pcHintBG, pcHintText
};

inline constexpr int acPaletteSize = pcHintText + 1;

using TacPaletteArray = std::array<TColor, acPaletteSize>;

// The button colours carry an alpha byte (0xFF opaque); every other entry is
// a plain RGB value or, for the selection text, the system highlight-text colour.
constexpr bool HasAlphaByte(TacPaletteColors Entry) { return Entry >= pcBtnColor1Active && Entry <= pcBtnFontPressed; }

// Entries that follow the skin's hue and saturation changes; the status and
// tone colours keep their meaning (green stays "ok") and are left alone.
constexpr bool IsRecoloured(TacPaletteColors Entry) {
  return Entry == pcMainColor || Entry == pcLabelText || Entry == pcWebText ||
         (Entry >= pcEditText && Entry <= pcEditBG_EvenRow) || HasAlphaByte(Entry) || Entry >= pcBorder;
}

// Colour property values that stand for a palette entry of the current skin.
// They share the entries' names, so they live in their own namespace; their
// low 24 bits are the colour used when no skin is active.
namespace acPaletteConst {
inline constexpr TColor pcEditText_Ok = static_cast<TColor>(0xFF003E0Au);
inline constexpr TColor pcEditText_Warning = static_cast<TColor>(0xFF004C4Cu);
inline constexpr TColor pcEditText_Alert = static_cast<TColor>(0xFF00006Cu);
inline constexpr TColor pcEditBG_Ok = static_cast<TColor>(0xFFC9FFD2u);
inline constexpr TColor pcEditBG_Warning = static_cast<TColor>(0xFFBAFFFFu);
inline constexpr TColor pcEditBG_Alert = static_cast<TColor>(0xFFDBDBFFu);
inline constexpr TColor pcBtnToneRed = static_cast<TColor>(0xFF9E9EFFu);
inline constexpr TColor pcBtnToneRedActive = static_cast<TColor>(0xFF7E7EFFu);
inline constexpr TColor pcBtnToneGreen = static_cast<TColor>(0xFF7BD098u);
inline constexpr TColor pcBtnToneGreenActive = static_cast<TColor>(0xFF3EE275u);
inline constexpr TColor pcBtnToneBlue = static_cast<TColor>(0xFFFFEDC9u);
inline constexpr TColor pcBtnToneBlueActive = static_cast<TColor>(0xFFFFE9BEu);
inline constexpr TColor pcBtnToneYellow = static_cast<TColor>(0xFFCAF3FFu);
inline constexpr TColor pcBtnToneYellowActive = static_cast<TColor>(0xFFBAEFFFu);
inline constexpr TColor pcBtnRedText = static_cast<TColor>(0xFF0000B4u);
inline constexpr TColor pcBtnRedTextActive = static_cast<TColor>(0xFF0000A2u);
inline constexpr TColor pcBtnGreenText = static_cast<TColor>(0xFF28851Au);
inline constexpr TColor pcBtnGreenTextActive = static_cast<TColor>(0xFF008E00u);
inline constexpr TColor pcBtnBlueText = static_cast<TColor>(0xFFAE7400u);
inline constexpr TColor pcBtnBlueTextActive = static_cast<TColor>(0xFF916000u);
inline constexpr TColor pcBtnYellowText = static_cast<TColor>(0xFF0079B5u);
inline constexpr TColor pcBtnYellowTextActive = static_cast<TColor>(0xFF0098C6u);
}  // namespace acPaletteConst

// The palette entry a colour property value names, if it is one of the constants.
bool PaletteEntryOfConstant(TColor Value, TacPaletteColors& Entry);
// A colour property value that stands for the skin's main colour.
inline constexpr TColor clSkinMainColor = static_cast<TColor>(0xF1000001u);
