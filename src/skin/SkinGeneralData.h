#pragma once
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/IniFile.h"
#include "graphics/Color.h"
#include "graphics/Geometry.h"
#include "graphics/Gradient.h"
#include "skin/SkinSections.h"

struct TsFontColor {
  TColor Color = 0;
  TColor Left = 0, Top = 0, Right = 0, Bottom = 0;  // outline colours; -1: no outline on that side
};

// The look of a section in one state. A new record is all zero, as loading
// expects: zero element indexes are resolved later.
struct TsGenState {
  TColor Color = 0;
  TsFontColor FontColor;
  TColor GlowColor = 0;
  int32_t GlowSize = 0;
  int32_t GradientPercent = 0;
  TsGradArray GradientArray;
  int32_t ImagePercent = 0;
  int32_t Transparency = 0;
  TColor LightColor = 0;
  TColor BorderColor = 0;  // 0xFF00FF: no border colour
  int32_t TextureIndex = 0;
};

using TsProps = std::array<TsGenState, 3>;

// One skin section, resolved for one resolution.
struct TsGeneralData {
  std::string ParentClass;
  std::string ClassName;
  TsProps Props;
  bool UseState2 = false;
  bool GiveOwnFont = false;
  bool ShiftOnClick = false;
  bool ReservedBoolean = false;
  int32_t States = 0;
  int32_t ScrollBorderOffset = 0;
  int32_t GlowCount = 0;
  int32_t GlowMargin = 0;
  int32_t GlowSize = 0, HotGlowSize = 0;
  TColor GlowColor = 0, HotGlowColor = 0;
  int32_t BorderWidth = 0;
  int32_t BorderRadius = 0;
  int32_t BorderIndex = 0;
  int32_t ImgTL = 0, ImgTR = 0, ImgBL = 0, ImgBR = 0;
  int32_t OuterMode = 0;
  int32_t OuterMask = 0;
  int32_t OuterOpacity = 0;
  TRect OuterOffset;
  int32_t OuterBlur = 0;
  int32_t OuterRadius = 0;
  TColor OuterColorL = 0, OuterColorT = 0, OuterColorR = 0, OuterColorB = 0;
};

// The Props entry of State: lowered to the section's States - 1, and to 2
// (Props has three entries; state 3, the default button, reads like 2).
inline int32_t PropsState(const TsGeneralData& Section, int32_t State) {
  return std::clamp(std::min(State, Section.States - 1), 0, 2);
}

// The scale rule for lengths of a skin data object (scale index 0 to 3, or
// the custom PPI when the manager scales to one; 0 otherwise).
struct TacScaleRule {
  int32_t ScaleIndex = 0;
  int32_t CustomPPI = 0;
  bool OldMode = false;  // lengths are never scaled
  int32_t ScaleInt(int32_t Value) const;
};

struct TacGeneralDataSource {
  const TMemIniFile& Options;
  const TMemIniFile* CommonSections = nullptr;
  TacScaleRule Scale;
  int32_t PPI = 96;
  bool HasMasks = false;       // glow margins follow the PPI only in skins with elements
  TColor DefLightColor = -1;   // "DEFLIGHT" of the skin
  TColor LabelTextColor = 0;   // the palette's label text when loading starts
  TColor MainColor = 0;        // the palette's main colour, just read
};

// One record per section of the options (then of the common sections the
// skin lacks), then "TRANSPARENT" and "MAINCOLOR" when the skin has none.
std::vector<TsGeneralData> LoadGeneralData(const TacGeneralDataSource& From);

// Appends the records for missing late standard slots: copies of their
// fallback, or empty records without states when the fallback is missing too.
void AppendStandardCopies(std::vector<TsGeneralData>& gd, const std::vector<TacSectionCopy>& Copies);
