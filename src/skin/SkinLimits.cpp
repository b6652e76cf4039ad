#include "skin/SkinLimits.h"

#include <algorithm>
#include <iterator>

#include "skin/SkinOptions.h"

namespace {

struct KeyRange {
  std::string_view Key;
  TacValueRange Range;
};

// Every numeric key of the options file, by name. Keys of GLOBALINFO and of
// the sections share the table; a key in both (BORDERWIDTH) has one range.
// The shadows and outer effects, whose images grow with the square of their
// sizes, have narrower ranges than other lengths.
constexpr KeyRange kKeyRanges[] = {
    {"ALIGNOFFSET", vrLength},
    {"ALIGNOFFSETB", vrLength},
    {"ALIGNOFFSETR", vrLength},
    {"ALIGNOFFSETT", vrLength},
    {"ARROWSTYLE", vrByte},
    {"BICLOSEALONEGLOWMARGIN", vrLength},
    {"BICONCLOSEGLOW", vrByte},
    {"BICONCLOSEGLOWMARGIN", vrLength},
    {"BICONMAXGLOWMARGIN", vrLength},
    {"BICONMINGLOWMARGIN", vrLength},
    {"BICONNORMGLOWMARGIN", vrLength},
    {"BIKEEPHUE", vrByte},
    {"BILEFT", vrLength},
    {"BIRIGHT", vrLength},
    {"BISPACE", vrLength},
    {"BITOP", vrLength},
    {"BIVALIGN", vrByte},
    {"BORDERMODE", vrByte},
    {"BORDERRADIUS", vrByte},
    {"BORDERWIDTH", vrExtent},
    {"BRIGHTMAX", {-100, 100}},
    {"BRIGHTMIN", {-100, 100}},
    {"CENTEROFFSET", vrLength},
    {"COMBOMARGIN", vrExtent},
    {"FORMOFFSET", vrLength},
    {"FontCount", {0, 256}},
    {"GLOW", vrByte},
    {"GLOWMARGIN", {-255, 255}},
    {"GRADIENTPERCENT", vrPercent},
    {"GRADIENTPERCENT2", vrPercent},
    {"GSIZE", vrByte},
    {"GSIZE2", vrByte},
    {"HGSIZE", vrByte},
    {"HOTGRADIENTPERCENT", vrPercent},
    {"HOTIMAGEPERCENT", vrPercent},
    {"HOTTRANSPARENCY", vrPercent},
    {"IMAGEPERCENT", vrPercent},
    {"IMAGEPERCENT2", vrPercent},
    {"LO_BLUR_OE", {0, 128}},
    {"LO_OFFSETB", {-128, 128}},
    {"LO_OFFSETL", {-128, 128}},
    {"LO_OFFSETR", {-128, 128}},
    {"LO_OFFSETT", {-128, 128}},
    {"LO_OPACITY", vrByte},
    {"LO_RADIUS_OE", {0, 128}},
    {"LO_SOURCE", vrByte},
    {"LO_WIDTHB", {-1, 256}},
    {"LO_WIDTHL", {-1, 256}},
    {"LO_WIDTHR", {-1, 256}},
    {"LO_WIDTHT", {-1, 256}},
    {"MAXHEIGHT", vrExtent},
    {"OUTBLUR", {0, 30}},
    {"OUTERMODE", vrByte},
    {"OUTOFFSB", {-acMaxSkinLength, 255}},
    {"OUTOFFSL", {-acMaxSkinLength, 255}},
    {"OUTOFFSR", {-acMaxSkinLength, 255}},
    {"OUTOFFST", {-acMaxSkinLength, 255}},
    {"OUTOPACITY", vrByte},
    {"OUTRADIUS", {0, 60}},
    {"SCROLLSARROWS", {-1, 255}},
    {"SCROLLSWIDTH", {-1, acMaxSkinLength}},
    {"SHADOW1BLUR", {-1, acMaxSkinLength}},
    {"SHADOW1OFFSET", vrLength},
    {"SHADOW1TRANSPARENCY", vrPercent},
    {"SH_BLUR_OE", {0, 128}},
    {"SH_OFFSETB", {-128, 128}},
    {"SH_OFFSETL", {-128, 128}},
    {"SH_OFFSETR", {-128, 128}},
    {"SH_OFFSETT", {-128, 128}},
    {"SH_OPACITY", vrByte},
    {"SH_RADIUS_OE", {0, 128}},
    {"SH_SOURCE", vrByte},
    {"SH_WIDTHB", {-1, 256}},
    {"SH_WIDTHL", {-1, 256}},
    {"SH_WIDTHR", {-1, 256}},
    {"SH_WIDTHT", {-1, 256}},
    {"SLIDERMARGIN", vrExtent},
    {"STATES", vrByte},
    {"TABSCOVERING", vrByte},
    {"THUMBWIDTH", vrExtent},
    {"TITLEHEIGHT", vrExtent},
    {"TRANSPARENCY", vrPercent},
    {"TRANSPARENCY2", vrPercent},
    {"WSHOFFS", {-128, 128}},
    {"WSHRAD", {0, 128}},
    {"WSHSIZE", {0, 128}},
};

constexpr bool ByKey(const KeyRange& a, const KeyRange& b) { return a.Key < b.Key; }
static_assert(std::is_sorted(std::begin(kKeyRanges), std::end(kKeyRanges), ByKey), "keep kKeyRanges sorted");

std::string_view WithoutScaleSuffix(std::string_view Key) {
  for (int i = 1; i < acScaleCount; ++i)
    if (Key.ends_with(acScaleSuffixes[i])) return Key.substr(0, Key.size() - std::string_view(acScaleSuffixes[i]).size());
  return Key;
}

}  // namespace

std::optional<TacValueRange> SkinKeyRange(std::string_view Key) {
  const KeyRange wanted{WithoutScaleSuffix(Key), {}};
  const auto found = std::lower_bound(std::begin(kKeyRanges), std::end(kKeyRanges), wanted, ByKey);
  if (found == std::end(kKeyRanges) || found->Key != wanted.Key) return std::nullopt;
  return found->Range;
}

int32_t LimitSkinValue(std::string_view Key, int32_t Value) {
  const std::optional<TacValueRange> range = SkinKeyRange(Key);
  return range ? range->Limit(Value) : Value;
}
