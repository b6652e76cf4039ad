#pragma once
#include <cstdint>
#include <optional>

#include "base/IniFile.h"
#include "palette/PaletteColors.h"
#include "skin/SkinData.h"

// The palette of the active skin and the skin-aware colour conversion. The
// skin manager owns one, builds it from the first skin data object it loads
// for a skin and hands it to every skin data object as its colour resolver.
class TacSkinPalette : public TacSkinColorResolver {
 public:
  TacSkinPalette();

  TacPaletteArray Palette{};
  // The skin data the palette was built from (the 96-PPI one); section
  // colours of "FORMTITLE" and "HINT" are taken from it. Null until built.
  const TacSkinData* SkinData = nullptr;
  // The manager is active or changing its skin; otherwise palette constants
  // and system colours convert without the skin.
  bool SkinActive = false;
  // The system's inactive-border colour as RGB, taken when the palette is made.
  TColor SysInactiveBorderColor = 0;

  // Fills every entry from Data's sections and the "GLOBALINFO" keys of
  // Options. A malformed button colour throws Exception (the conversion error).
  void Build(const TacSkinData& Data, const TMemIniFile& Options);
  // Forgets the skin data (the entries stay: the next load reads the label
  // text left by this one). Call it whenever the skin data objects are freed.
  void Clear();
  bool Built() const { return SkinData != nullptr; }

  TColor operator[](TacPaletteColors Entry) const { return Palette[Entry]; }
  TColor& operator[](TacPaletteColors Entry) { return Palette[Entry]; }

  TColor GetGlobalColor() const { return Palette[pcMainColor]; }
  TColor GetGlobalFontColor() const { return Palette[pcLabelText]; }
  TColor GetActiveEditColor() const { return Palette[pcEditBG]; }
  TColor GetActiveEditFontColor() const { return Palette[pcEditText]; }
  TColor GetHighLightColor(bool Focused) const {
    return Palette[Focused ? pcSelectionBG_Focused : pcSelectionBG];
  }
  TColor GetHighLightFontColor(bool Focused) const {
    return Palette[Focused ? pcSelectionText_Focused : pcSelectionText];
  }

  // Colour property values (system colours, palette constants) in the skin's colours.
  TColor SkinColorToRGB(TColor Value) const override;

  // What the system-colour substitution answers while it is on; empty where
  // the system's own value stays.
  std::optional<TColor> SysColor(int Index) const;       // GetSysColor
  std::optional<TColor> SysBrushColor(int Index) const;  // GetSysColorBrush
  TColor PenColor(TColor Color) const;                   // CreatePen

 private:
  const TsGenState* SlotState(TacSection Slot, int State) const;
};

// SkinColorToRGB of the given palette; no palette behaves as no active manager.
TColor SkinColorToRGB(TColor Value, const TacSkinPalette* Palette);
