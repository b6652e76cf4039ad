#include "skin/SkinOptions.h"

#include <algorithm>
#include <vector>

#include "base/StrUtils.h"
#include "skin/SkinLimits.h"

namespace {

constexpr std::string_view kParentKey = "PARENTCLASS";
constexpr std::string_view kMissing = "?";
constexpr int32_t kMetricMissing = -99999;

std::string ScaledKey(std::string_view Key, int ScaleIndex) {
  return std::string(Key) + acScaleSuffixes[std::clamp(ScaleIndex, 0, acScaleCount - 1)];
}

}  // namespace

TacSectionChain::TacSectionChain(const TMemIniFile& Options, std::string_view Section) : FOptions(Options) {
  std::vector<std::string_view> names{Section};
  const TMemIniFile::Section* level = Options.FindSection(Section);
  FLevels.push_back(level);
  while (FLevels.size() <= static_cast<size_t>(acMaxParentDepth)) {
    const std::string* parent = Options.FindValue(level, kParentKey);
    if (!parent || parent->empty() || *parent == kMissing || *parent == names.back()) break;
    if (std::find(names.begin(), names.end(), *parent) != names.end()) break;
    names.push_back(*parent);
    level = Options.FindSection(*parent);
    FLevels.push_back(level);
  }
}

std::string TacSectionChain::String(std::string_view Key, std::string_view Default) const {
  for (const TMemIniFile::Section* level : FLevels) {
    // A value of "?" is the missing marker itself and counts as missing.
    const std::string* value = FOptions.FindValue(level, Key);
    if (value && *value != kMissing) return *value;
  }
  return std::string(Default);
}

bool TacSectionChain::Boolean(std::string_view Key, bool Default) const {
  const std::string value = String(Key, kMissing);
  if (value == kMissing) return Default;
  return value == "TRUE" || value == "1";
}

int32_t TacSectionChain::Integer(std::string_view Key, int32_t Default, TacIntReadMode Mode, int32_t Bound) const {
  const auto read = [&](const TMemIniFile::Section* level) {
    const std::string* text = FOptions.FindValue(level, Key);
    return text ? StrToIntDef(*text, -2) : -2;
  };
  // A value in the section itself is taken verbatim.
  int32_t value = read(FLevels.front());
  if (value != -2) return std::min(value, Bound);
  if (FLevels.size() > 1) {
    value = -1;
    for (size_t i = 1; i < FLevels.size(); ++i) {
      const int32_t inherited = read(FLevels[i]);
      if (inherited != -2) {
        value = inherited;
        break;
      }
    }
  }
  // An inherited or missing negative value is no value in colour mode.
  if (Mode == irmColor && value < 0) value = Default;
  return std::min(value, Bound);
}

std::string ReadInheritedString(const TMemIniFile& Options, std::string_view Section, std::string_view Key,
                                std::string_view Default) {
  return TacSectionChain(Options, Section).String(Key, Default);
}

bool ReadInheritedBoolean(const TMemIniFile& Options, std::string_view Section, std::string_view Key, bool Default) {
  return TacSectionChain(Options, Section).Boolean(Key, Default);
}

int32_t ReadInheritedInteger(const TMemIniFile& Options, std::string_view Section, std::string_view Key,
                             int32_t Default, TacIntReadMode Mode, int32_t Bound) {
  return TacSectionChain(Options, Section).Integer(Key, Default, Mode, Bound);
}

int ScaleIndexOfPPI(int PPI) {
  if (PPI <= 110) return 0;
  if (PPI <= 134) return 1;
  return PPI <= 170 ? 2 : 3;
}

int32_t ReadScaledMetric(const TMemIniFile& Options, const TacScaleContext& Context, std::string_view Key,
                         int32_t Default, bool Scale, std::optional<int> MaskDivPPI) {
  constexpr std::string_view kGlobal = "GLOBALINFO";
  // A value written in the skin is limited to its key's range before it is scaled.
  const auto read = [&](const std::string& key, int32_t def) {
    const int32_t value = Options.ReadInteger(kGlobal, key, kMetricMissing);
    return value == kMetricMissing ? def : LimitSkinValue(Key, value);
  };
  if (Scale && MaskDivPPI && *MaskDivPPI > 0) {
    const int32_t own = read(ScaledKey(Key, ScaleIndexOfPPI(*MaskDivPPI)), kMetricMissing);
    if (own != kMetricMissing) return MulDivRounded(own, Context.PPI, *MaskDivPPI);
    return MulDivRounded(read(std::string(Key), Default), Context.PPI, 96);
  }
  const int32_t value = read(ScaledKey(Key, Context.ScaleIndex), kMetricMissing);
  if (value != kMetricMissing) {
    if (Context.CustomPPI > 0 && Context.CustomPPI < 96) return MulDivRounded(value, Context.CustomPPI, 96);
    return value;
  }
  if (Context.ScaleIndex <= 0) return Default;
  const int32_t plain = read(std::string(Key), Default);
  return Scale ? MulDivRounded(plain, Context.PPI, 96) : plain;
}
