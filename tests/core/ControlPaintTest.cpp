#include <gtest/gtest.h>

#include "../paint/PaintFixture.h"
#include "core/CommonData.h"
#include "core/ControlPaint.h"
#include "core/ParentBackground.h"
#include "messages/SkinCommand.h"
#include "framework/Form.h"
#include "framework/Panel.h"

namespace {

constexpr TacPixel kRed = 0xFFFF0000u;

// A panel bound to a section of a small in-memory skin, on a parent panel.
class ControlPaint : public testing::Test {
 protected:
  void SetUp() override {
    parent = new TPanel(&form);
    parent->SetParent(&form);
    parent->SetBounds(0, 0, 200, 100);
    owner = new TPanel(&form);
    owner->SetParent(parent);
    owner->SetBounds(10, 20, 16, 12);
    data.FCommonSkinData = skin.Data.get();
    data.FOwnerControl = owner;
    data.SkinIndex = skin.AddSection(clRed);
  }

  TacWorkBitmap& Paint(int32_t state, bool useParent = true) {
    PaintControlSection(&data, ParentBGFromBitmap(parentImage.get(), 0, 0), useParent, target.get(), {0, 0},
                        target->BoundsRect(), state);
    return *target;
  }

  TForm form{nullptr};
  TPanel* parent = nullptr;
  TPanel* owner = nullptr;
  PaintSkin skin;
  TsCommonData data;
  std::unique_ptr<TacWorkBitmap> parentImage = FilledBitmap(16, 12, kParentPixel);
  std::unique_ptr<TacWorkBitmap> target = FilledBitmap(16, 12, 0);
};

TEST_F(ControlPaint, TheOwnersCustomColourReplacesTheSectionsBackground) {
  EXPECT_EQ(Paint(0).Pixel(8, 6), kRed);
  data.FCustomColor = true;
  owner->SetColor(clLime);
  EXPECT_EQ(Paint(0).Pixel(8, 6), 0xFF00FF00u);
}

TEST_F(ControlPaint, ABorderHiddenInTheNormalStateLeavesNoBorderAtAll) {
  const int32_t border = skin.AddElement({0, 0, 9, 9}, 1, 0, 2);
  skin.Mask(border).WL = skin.Mask(border).WT = skin.Mask(border).WR = skin.Mask(border).WB = 3;
  skin.Section(data.SkinIndex).BorderIndex = border;
  for (TsGenState& s : skin.Section(data.SkinIndex).Props) s.BorderColor = clBlue;
  EXPECT_EQ(Paint(0).Pixel(0, 0), kRed);
  EXPECT_EQ(Paint(1).Pixel(0, 0), PaintSkin::Coded(0, 0));
}

struct RecolourCase {
  const char* Name;
  TColor Tone;
  int32_t Hue;
  int32_t Transparency;
  TacPixel Expected;
};

class ControlRecolour : public ControlPaint, public testing::WithParamInterface<RecolourCase> {};

TEST_P(ControlRecolour, FollowsTheBorderAndTransparency) {
  const RecolourCase& c = GetParam();
  data.FColorTone = c.Tone;
  data.FHUEOffset = c.Hue;
  for (TsGenState& s : skin.Section(data.SkinIndex).Props) s.Transparency = c.Transparency;
  EXPECT_EQ(Paint(0).Pixel(8, 6), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ControlRecolour,
    testing::Values(RecolourCase{"Nothing", clNone, 0, 0, kRed},
                    RecolourCase{"HueOfAnOpaqueSection", clNone, 120, 0, 0xFF00FF00u},
                    // Tone (R, G, B) = (0, 0, 128) scaled by max channel 255.
                    RecolourCase{"ToneOfAnOpaqueSection", static_cast<TColor>(0x800000), 0, 0, 0xFF00007Fu},
                    // A section that only shows its parent is never recoloured.
                    RecolourCase{"FullyTransparentSection", clNone, 120, 100, kParentPixel}),
    [](const testing::TestParamInfo<RecolourCase>& param) { return std::string(param.param.Name); });

TEST_F(ControlPaint, ACustomBorderReplacesTheSectionsBorder) {
  data.FCustomBorder.IsChanged = true;
  data.FCustomBorder.Width = 2;
  data.FCustomBorder.ColorNormal = clBlue;
  const TacWorkBitmap& image = Paint(0);
  EXPECT_EQ(image.Pixel(8, 0), 0xFF0000FFu);
  EXPECT_EQ(image.Pixel(8, 6), kRed);
}

TEST_F(ControlPaint, NothingIsDrawnWithoutSkinDataOrOutsideTheBitmap) {
  data.FCommonSkinData = nullptr;
  EXPECT_EQ(Paint(0).Pixel(8, 6), 0u);
  data.FCommonSkinData = skin.Data.get();
  PaintControlSection(&data, {}, true, target.get(), {0, 0}, {4, 4, 17, 10}, 0);
  EXPECT_EQ(target->Pixel(8, 6), 0u);
}

TEST_F(ControlPaint, RefreshedCornersShowTheParentsCurrentImage) {
  // A key-colour border whose top-left corner pixel is transparent.
  const int32_t border = skin.AddElement({0, 0, 9, 9});
  TsMaskData& m = skin.Mask(border);
  m.WL = m.WT = m.WR = m.WB = 3;
  m.Cfg = 1;
  skin.Master->SetPixel(0, 0, KeyPixel);
  skin.Section(data.SkinIndex).BorderIndex = border;
  data.FCacheBmp = FilledBitmap(16, 12, kRed);

  auto current = FilledBitmap(200, 100, 0xFF445566u);
  current->SetPixel(10, 20, 0xFF778899u);
  const TWndMethod original = parent->WindowProc;
  parent->WindowProc = [&](TMessage& message) {
    if (message.Msg == SM_SKINCOMMAND && SkinCommandOf(message.WParam) == SK_GET_BG) {
      auto* query = reinterpret_cast<TacBGQuery*>(message.LParam);
      query->Kind = bgkImage;
      query->Bmp = current.get();
      query->Offset = {};
      message.Result = 1;
      return;
    }
    original(message);
  };
  form.HandleNeeded();
  RefreshCorners(&data, 0, acAllCorners);
  EXPECT_EQ(data.FCacheBmp->Pixel(0, 0), 0xFF778899u);       // the key pixel, at the owner's place in the parent
  EXPECT_EQ(data.FCacheBmp->Pixel(1, 1), PaintSkin::Coded(1, 1));  // the corner's own pixels
  EXPECT_EQ(data.FCacheBmp->Pixel(8, 6), kRed);              // the middle is left alone

  data.FCacheBmp->Fill(kRed);
  RefreshCorners(&data, 0, acCornerBR);
  EXPECT_EQ(data.FCacheBmp->Pixel(0, 0), kRed);
}

}  // namespace
