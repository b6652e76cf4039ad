#include "skin/SkinOptions.h"

#include <algorithm>
#include <vector>

#include "base/StrUtils.h"

namespace {

constexpr std::string_view kParentKey = "PARENTCLASS";
constexpr std::string_view kMissing = "?";
constexpr int32_t kMetricMissing = -99999;

using Visited = std::vector<std::string>;

// The parent to continue with, or empty when the chain ends or loops back.
std::string NextParent(const TMemIniFile& Options, std::string_view Section, Visited& visited) {
  std::string parent = Options.ReadString(Section, kParentKey, kMissing);
  if (parent.empty() || parent == kMissing || parent == Section) return {};
  visited.emplace_back(Section);
  if (std::find(visited.begin(), visited.end(), parent) != visited.end()) return {};
  return parent;
}

std::string InheritedString(const TMemIniFile& Options, std::string_view Section, std::string_view Key,
                            std::string_view Default, Visited& visited) {
  std::string value = Options.ReadString(Section, Key, kMissing);
  if (value != kMissing) return value;
  const std::string parent = NextParent(Options, Section, visited);
  return parent.empty() ? std::string(Default) : InheritedString(Options, parent, Key, Default, visited);
}

int32_t InheritedInteger(const TMemIniFile& Options, std::string_view Section, std::string_view Key, int32_t Default,
                         TacIntReadMode Mode, Visited& visited) {
  int32_t value = Options.ReadInteger(Section, Key, -2);
  if (value != -2) return value;
  const std::string parent = NextParent(Options, Section, visited);
  if (!parent.empty()) value = InheritedInteger(Options, parent, Key, -1, irmColor, visited);
  if (Mode == irmColor && value < 0) value = Default;
  return value;
}

std::string ScaledKey(std::string_view Key, int ScaleIndex) {
  return std::string(Key) + acScaleSuffixes[std::clamp(ScaleIndex, 0, acScaleCount - 1)];
}

}  // namespace

std::string ReadInheritedString(const TMemIniFile& Options, std::string_view Section, std::string_view Key,
                                std::string_view Default) {
  Visited visited;
  return InheritedString(Options, Section, Key, Default, visited);
}

bool ReadInheritedBoolean(const TMemIniFile& Options, std::string_view Section, std::string_view Key, bool Default) {
  const std::string value = ReadInheritedString(Options, Section, Key, kMissing);
  if (value == kMissing) return Default;
  return value == "TRUE" || value == "1";
}

int32_t ReadInheritedInteger(const TMemIniFile& Options, std::string_view Section, std::string_view Key,
                             int32_t Default, TacIntReadMode Mode, int32_t Bound) {
  Visited visited;
  return std::min(InheritedInteger(Options, Section, Key, Default, Mode, visited), Bound);
}

int ScaleIndexOfPPI(int PPI) {
  if (PPI <= 110) return 0;
  if (PPI <= 134) return 1;
  return PPI <= 170 ? 2 : 3;
}

int32_t ReadScaledMetric(const TMemIniFile& Options, const TacScaleContext& Context, std::string_view Key,
                         int32_t Default, bool Scale, std::optional<int> MaskDivPPI) {
  constexpr std::string_view kGlobal = "GLOBALINFO";
  if (Scale && MaskDivPPI && *MaskDivPPI > 0) {
    const int32_t own = Options.ReadInteger(kGlobal, ScaledKey(Key, ScaleIndexOfPPI(*MaskDivPPI)), kMetricMissing);
    if (own != kMetricMissing) return MulDivRounded(own, Context.PPI, *MaskDivPPI);
    return MulDivRounded(Options.ReadInteger(kGlobal, Key, Default), Context.PPI, 96);
  }
  const int32_t value = Options.ReadInteger(kGlobal, ScaledKey(Key, Context.ScaleIndex), kMetricMissing);
  if (value != kMetricMissing) {
    if (Context.CustomPPI > 0 && Context.CustomPPI < 96) return MulDivRounded(value, Context.CustomPPI, 96);
    return value;
  }
  if (Context.ScaleIndex <= 0) return Default;
  const int32_t plain = Options.ReadInteger(kGlobal, Key, Default);
  return Scale ? MulDivRounded(plain, Context.PPI, 96) : plain;
}
