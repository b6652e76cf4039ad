#pragma once
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "base/IniFile.h"

// Readers over a skin's options that follow "PARENTCLASS" from section to
// section. A chain that loops back is cut where it repeats, and the key then
// counts as missing.
std::string ReadInheritedString(const TMemIniFile& Options, std::string_view Section, std::string_view Key,
                                std::string_view Default);
// True exactly for "TRUE" or "1"; a missing key gives Default.
bool ReadInheritedBoolean(const TMemIniFile& Options, std::string_view Section, std::string_view Key, bool Default);

enum TacIntReadMode {
  irmColor,  // an inherited or missing value that is negative becomes the default
  irmPlain   // missing gives -2 (no parent) or -1 (not found along the parents)
};
// A value written in the section itself is taken verbatim; the result is
// never above Bound.
int32_t ReadInheritedInteger(const TMemIniFile& Options, std::string_view Section, std::string_view Key,
                             int32_t Default, TacIntReadMode Mode = irmColor,
                             int32_t Bound = std::numeric_limits<int32_t>::max());

inline constexpr int acScaleCount = 4;
inline constexpr int acScalePPI[acScaleCount] = {96, 120, 144, 192};
inline constexpr const char* acScaleSuffixes[acScaleCount] = {"", "*125", "*150", "*200"};
// 0 to 3 for 96, 120, 144 and 192 PPI; resolutions between go to the nearer
// step (up to 110, 134 and 170 PPI).
int ScaleIndexOfPPI(int PPI);

// The resolution a skin data object is built for.
struct TacScaleContext {
  int PPI = 96;
  int ScaleIndex = 0;
  int CustomPPI = 0;  // the manager's PixelsPerInch when it scales to a custom PPI, else 0
};

// Reads a metric of "GLOBALINFO", preferring the key variant of the wanted
// scale; with Scale set, values are multiplied to the target PPI (from the
// element's own source PPI when MaskDivPPI is given).
int32_t ReadScaledMetric(const TMemIniFile& Options, const TacScaleContext& Context, std::string_view Key,
                         int32_t Default, bool Scale, std::optional<int> MaskDivPPI = std::nullopt);
