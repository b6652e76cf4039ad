#pragma once
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/IniFile.h"

enum TacIntReadMode {
  irmColor,  // an inherited or missing value that is negative becomes the default
  irmPlain   // missing gives -2 (no parent) or -1 (not found along the parents)
};

// A section with its parents, found once and asked many times: the section
// named by "PARENTCLASS", then its parent, and so on. A chain that loops back
// is cut where it repeats, one longer than acMaxParentDepth parents is cut
// there, and a key missing along it counts as missing.
class TacSectionChain {
 public:
  TacSectionChain(const TMemIniFile& Options, std::string_view Section);

  std::string String(std::string_view Key, std::string_view Default) const;
  bool Boolean(std::string_view Key, bool Default) const;
  int32_t Integer(std::string_view Key, int32_t Default, TacIntReadMode Mode, int32_t Bound) const;

 private:
  const TMemIniFile& FOptions;
  std::vector<const TMemIniFile::Section*> FLevels;  // null for a parent that does not exist
};

// Single lookups through the parent chain, as TacSectionChain answers them.
std::string ReadInheritedString(const TMemIniFile& Options, std::string_view Section, std::string_view Key,
                                std::string_view Default);
// True exactly for "TRUE" or "1"; a missing key gives Default.
bool ReadInheritedBoolean(const TMemIniFile& Options, std::string_view Section, std::string_view Key, bool Default);

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
