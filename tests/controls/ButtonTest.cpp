#include <gtest/gtest.h>

#include "ControlsFixture.h"
#include "controls/SkinnedButton.h"
#include "controls/SkinnedPanel.h"
#include "skin/SkinMasks.h"

namespace {

class Button : public ControlsFixture {
 protected:
  void SetUp() override {
    ControlsFixture::SetUp();
    panel = Place<TsPanel>(form.get(), {0, 0, 300, 100});
    panel->HandleNeeded();
    button = Place<TsButton>(panel, {10, 10, 262, 33});
    button->SetCaption("Button");
    button->HandleNeeded();
  }
  TsPanel* panel = nullptr;
  TsButton* button = nullptr;
};

TEST_F(Button, TheDefaultLookNeedsFourStates) {
  EXPECT_EQ(button->PaintedState(), 0);
  button->SetDefault(true);
  EXPECT_EQ(button->CurrentState(), 3);
  EXPECT_EQ(button->PaintedState(), 1);  // the stored BUTTON has three
  button->SkinData().SetSkinSection(kFourStates);
  EXPECT_EQ(button->PaintedState(), 3);
}

TEST_F(Button, DownPaintsPressedWhateverTheMouse) {
  button->SetDown(true);
  EXPECT_EQ(button->CurrentState(), 2);
  button->SkinData().FMouseAbove = true;
  EXPECT_EQ(button->CurrentState(), 2);
  button->SetDown(false);
  EXPECT_EQ(button->CurrentState(), 1);
}

struct CornerCase {
  const char* Name;
  POINT Point;
  bool Transparent;
};

class ButtonCorner : public testing::TestWithParam<CornerCase> {};

// A 6 x 6 border image with 4-pixel margins whose top-left and bottom-right
// pixels are transparent, on a 100 x 40 button; and the same margins on an
// image narrower than them.
TEST_P(ButtonCorner, IsTransparentOnlyOnTheImagesTransparentPixels) {
  TacWorkBitmap image(6, 6);
  image.Fill(0xFF808080u);
  image.SetPixel(0, 0, 0x00000000u);
  image.SetPixel(5, 5, 0x00000000u);
  TsMaskData mask;
  mask.Bmp = &image;
  mask.WL = mask.WT = mask.WR = mask.WB = 4;
  EXPECT_EQ(BorderCornerIsTransparent(mask, 100, 40, GetParam().Point), GetParam().Transparent);
  mask.WL = mask.WT = mask.WR = mask.WB = 30;
  EXPECT_FALSE(BorderCornerIsTransparent(mask, 100, 40, {70, 35}));
  EXPECT_FALSE(BorderCornerIsTransparent(mask, 100, 40, {20, 20}));
}

INSTANTIATE_TEST_SUITE_P(Points, ButtonCorner,
                         testing::Values(CornerCase{"TopLeft", {0, 0}, true}, CornerCase{"BottomRight", {99, 39}, true},
                                         CornerCase{"TopRight", {99, 0}, false}, CornerCase{"Middle", {50, 20}, false},
                                         CornerCase{"InsideTheMargins", {1, 1}, false}),
                         [](const testing::TestParamInfo<CornerCase>& c) { return std::string(c.param.Name); });

}  // namespace
