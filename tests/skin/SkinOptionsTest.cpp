#include <gtest/gtest.h>

#include "skin/SkinOptions.h"

namespace {

TMemIniFile Options(const char* text) {
  TMemIniFile ini(true);
  ini.SetText(text);
  return ini;
}

const TMemIniFile kChain = Options(
    "[BASE]\nBORDERWIDTH=3\nCOLOR=-5\nFLAG=TRUE\nNAME=base\nSTATES=400\n"
    "[CHILD]\nPARENTCLASS=BASE\nOWN=-18031\nLOWER=true\n"
    "[GRANDCHILD]\nPARENTCLASS=CHILD\n"
    "[SELF]\nPARENTCLASS=SELF\nX=1\n"
    "[LOOPA]\nPARENTCLASS=LOOPB\n[LOOPB]\nPARENTCLASS=LOOPA\n"
    "[RING1]\nPARENTCLASS=RING2\n[RING2]\nPARENTCLASS=RING3\n[RING3]\nPARENTCLASS=RING1\nDEEP=7\n"
    "[ORPHAN]\nPARENTCLASS=NOWHERE\n"
    "[QUESTION]\nPARENTCLASS=?\n");

TEST(SkinOptions, InheritedIntegerFollowsTheParentChain) {
  const struct {
    const char* section;
    const char* key;
    int32_t def;
    TacIntReadMode mode;
    int32_t bound;
    int32_t expected;
  } cases[] = {
      {"CHILD", "BORDERWIDTH", 1, irmColor, INT32_MAX, 3},
      {"GRANDCHILD", "BORDERWIDTH", 1, irmColor, INT32_MAX, 3},
      {"CHILD", "OWN", 0, irmColor, INT32_MAX, -18031},         // written in the section: verbatim
      {"BASE", "COLOR", 0xFFFFFF, irmColor, INT32_MAX, -5},     // own negative value stays
      {"CHILD", "COLOR", 0xFFFFFF, irmColor, INT32_MAX, 0xFFFFFF},  // inherited negative counts as missing
      {"CHILD", "MISSING", 9, irmColor, INT32_MAX, 9},
      {"CHILD", "MISSING", 9, irmPlain, INT32_MAX, -1},         // parent chain without the key
      {"BASE", "MISSING", 9, irmPlain, INT32_MAX, -2},          // no parent
      {"CHILD", "BORDERWIDTH", 1, irmPlain, INT32_MAX, 3},
      {"BASE", "STATES", 3, irmColor, 255, 255},
      {"GRANDCHILD", "STATES", 3, irmColor, 255, 255},
      {"SELF", "BORDERWIDTH", 1, irmColor, INT32_MAX, 1},
      {"LOOPA", "BORDERWIDTH", 1, irmColor, INT32_MAX, 1},
      {"RING1", "DEEP", 0, irmColor, INT32_MAX, 7},
      {"RING2", "MISSING", 4, irmColor, INT32_MAX, 4},
      {"ORPHAN", "BORDERWIDTH", 1, irmColor, INT32_MAX, 1},
      {"QUESTION", "BORDERWIDTH", 1, irmPlain, INT32_MAX, -2},
      {"NOSECTION", "BORDERWIDTH", 1, irmColor, INT32_MAX, 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReadInheritedInteger(kChain, c.section, c.key, c.def, c.mode, c.bound), c.expected)
        << c.section << "." << c.key;
}

TEST(SkinOptions, InheritedStringAndBooleanFollowTheParentChain) {
  EXPECT_EQ(ReadInheritedString(kChain, "GRANDCHILD", "NAME", "none"), "base");
  EXPECT_EQ(ReadInheritedString(kChain, "LOOPB", "NAME", "none"), "none");
  EXPECT_EQ(ReadInheritedString(kChain, "RING3", "NAME", "none"), "none");
  EXPECT_TRUE(ReadInheritedBoolean(kChain, "GRANDCHILD", "FLAG", false));
  EXPECT_FALSE(ReadInheritedBoolean(kChain, "CHILD", "LOWER", true));  // only "TRUE" and "1"
  EXPECT_TRUE(ReadInheritedBoolean(kChain, "SELF", "X", false));
  EXPECT_TRUE(ReadInheritedBoolean(kChain, "LOOPA", "MISSING", true));
}

TEST(SkinOptions, ScaleIndexOfPPI) {
  const int cases[][2] = {{72, 0},  {96, 0},  {110, 0}, {111, 1}, {120, 1}, {134, 1},
                          {135, 2}, {144, 2}, {170, 2}, {171, 3}, {192, 3}, {288, 3}};
  for (const auto& c : cases) EXPECT_EQ(ScaleIndexOfPPI(c[0]), c[1]) << c[0];
}

TEST(SkinOptions, ScaledMetricPrefersTheVariantOfTheWantedScale) {
  const TMemIniFile ini = Options(
      "[GLOBALINFO]\nTITLEHEIGHT=32\nTITLEHEIGHT*150=50\nBORDERWIDTH=4\nBIRIGHT*125=9\nBIRIGHT*200=20\n");
  const TacScaleContext at96{96, 0, 0}, at120{120, 1, 0}, at144{144, 2, 0}, at192{192, 3, 0}, custom72{72, 0, 72};
  const struct {
    const char* what;
    TacScaleContext context;
    const char* key;
    int32_t def;
    bool scale;
    std::optional<int> mask;
    int32_t expected;
  } cases[] = {
      {"plain key at 96", at96, "TITLEHEIGHT", 0, true, {}, 32},
      {"missing at 96 gives the default unscaled", at96, "MISSING", 7, true, {}, 7},
      {"own variant is taken as written", at144, "TITLEHEIGHT", 0, true, {}, 50},
      {"no variant: plain key scaled", at120, "TITLEHEIGHT", 0, true, {}, 40},
      {"no variant, no scale flag", at120, "TITLEHEIGHT", 0, false, {}, 32},
      {"missing at 192: default scaled", at192, "MISSING", 5, true, {}, 10},
      {"custom PPI below 96 shrinks a present value", custom72, "TITLEHEIGHT", 0, true, {}, 24},
      {"mask source 120: its variant scaled from 120", at192, "BIRIGHT", 0, true, 120, 14},
      {"mask source 192: its variant scaled from 192", at96, "BIRIGHT", 0, true, 192, 10},
      {"mask source 144 without variant: plain scaled from 96", at144, "BORDERWIDTH", 0, true, 144, 6},
      {"mask source, key missing: default scaled", at120, "MISSING", 2, true, 96, 3},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReadScaledMetric(ini, c.context, c.key, c.def, c.scale, c.mask), c.expected) << c.what;
}

}  // namespace
