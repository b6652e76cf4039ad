#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "base/IniFile.h"
#include "graphics/Color.h"
#include "skin/SkinSections.h"

// What the manager knows about the loaded skin as a whole.
struct TacSkinCommonInfo {
  bool Active = false;  // a skin with at least one section is loaded
  bool UseAeroBluring = false;
  double Version = 0;
  std::string Author;
  std::string SkinPath;  // folder of an unpacked skin with "\"; empty for packed ones
  std::string MainFont;
  std::string Description;
  TColor FXColor = 0;
  TColor Shadow1Color = 0;
  TColor DefLightColor = -1;
  TColor SysInactiveBorderColor = 0;
  int32_t ArrowStyle = 0;
  int32_t BIVAlign = 0;
  int32_t BIKeepHUE = 0;
  int32_t BrightMin = -50;
  int32_t BrightMax = 50;
  int32_t IndexGlobalInfo = -1;
  std::array<int32_t, acSectionCount> Sections{};
  TMemIniFile OptionsDat{true};
};
