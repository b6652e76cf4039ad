#include <gtest/gtest.h>

#include "ControlsFixture.h"
#include "controls/SkinnedLabel.h"
#include "controls/SkinnedPanel.h"
#include "graphics/DisabledLook.h"
#include "graphics/PixelFill.h"

namespace {

class Label : public ControlsFixture {
 protected:
  TsLabel* PlaceLabelOn(const char* Section) {
    panel = Place<TsPanel>(form.get(), {0, 0, 200, 100});
    panel->SkinData().SetSkinSection(Section);
    panel->HandleNeeded();
    TsLabel* label = Place<TsLabel>(panel, {10, 10, 110, 30});
    label->SetCaption("Label");
    label->Font().SetColor(clRed);
    return label;
  }
  TsPanel* panel = nullptr;
};

struct ColourCase {
  const char* Name;
  const char* Section;
  TColor Expected;
};

class LabelColour : public Label, public testing::WithParamInterface<ColourCase> {};

TEST_P(LabelColour, IsTheFontColourOfThePanelsSection) {
  TsLabel* label = PlaceLabelOn(GetParam().Section);
  EXPECT_EQ(label->TextColor(), GetParam().Expected);
  label->SetUseSkinColor(false);
  EXPECT_EQ(label->TextColor(), clRed);
}

INSTANTIATE_TEST_SUITE_P(Sections, LabelColour,
                         testing::Values(ColourCase{"Black", kBlackPanel, 0xFFFFFF},
                                         ColourCase{"Gradient", kGradientPanel, 0x00FFFF}),
                         [](const testing::TestParamInfo<ColourCase>& c) { return std::string(c.param.Name); });

TEST_F(Label, DisabledTextMixesWithThePanelsBackground) {
  TsLabel* label = PlaceLabelOn(kBlackPanel);
  label->SetEnabled(false);
  EXPECT_EQ(label->TextColor(), MixColors(0xFFFFFF, 0x000000, DisabledLookSettings().BlendValue));
}

TEST_F(Label, TransparentForMouseIsNotHit) {
  TsLabel* label = PlaceLabelOn(kBlackPanel);
  EXPECT_EQ(panel->ControlAtPos({20, 15}, true), label);
  label->SetTransparentForMouse(true);
  EXPECT_EQ(panel->ControlAtPos({20, 15}, true), nullptr);
}

struct CutCase {
  const char* Name;
  const char* Text;
  const char* Shown;
};

class LabelCut : public testing::TestWithParam<CutCase> {};

// Ten characters a line, ten pixels a line, room for two lines.
TEST_P(LabelCut, ShortensWordByWordUntilItFits) {
  const auto measure = [](const std::string& text) { return static_cast<int32_t>((text.size() + 9) / 10 * 10); };
  EXPECT_EQ(TsCustomLabel::CutToHeight(GetParam().Text, 20, 10, measure), GetParam().Shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LabelCut,
    testing::Values(CutCase{"Fits", "aaaa bbbb cccc", "aaaa bbbb cccc"},
                    CutCase{"EndsAfterTheLastWholeWord", "aaaa bbbb cccc dddd eeee", "aaaa bbbb cccc..."},
                    CutCase{"OneLongWordIsLeftToTheSystem", "abcdefghijklmnopqrstuvwxyz", "abcdefghijklmnopqrstuvwxyz"},
                    CutCase{"ALeadingBlankEndsTheCutting", " abcdefghijklmnopqrstuvwxyz", " abcdefghijklmnopqrstuvwxyz"}),
    [](const testing::TestParamInfo<CutCase>& c) { return std::string(c.param.Name); });

}  // namespace
