#include <gtest/gtest.h>

#include "SkinnedFixture.h"
#include "core/ParentBackground.h"
#include "framework/Application.h"
#include "framework/Panel.h"
#include "graphics/WorkBitmapDib.h"
#include "paint/SkinPaint.h"
#include "skin/SkinData.h"

namespace {

class ParentBackground : public PanelAndButton {};

TEST_F(ParentBackground, ATransparentButtonGetsThePanelsImageAtItsPosition) {
  ASSERT_TRUE(panel->PrepareCache());
  TacBGQuery query;
  GetParentBG(query, panel, false);
  EXPECT_EQ(query.Kind, bgkImage);
  EXPECT_EQ(query.Bmp, panel->Data.FCacheBmp.get());
  EXPECT_EQ(query.Offset, (TPoint{0, 0}));

  const std::optional<TacParentBG> under = BackgroundUnder(button);
  ASSERT_TRUE(under);
  EXPECT_TRUE(under->IsBitmap);
  EXPECT_EQ(under->Bmp, panel->Data.FCacheBmp.get());
  EXPECT_EQ(under->Offset, (TPoint{20, 15}));
}

TEST_F(ParentBackground, AQueryThroughATransparentControlAddsBothPositions) {
  auto* middle = new TestSkinned(panel, 0, "", {30, 40, 230, 120});
  middle->Data.FCacheBmp.reset();  // a transparent control without an image of its own
  middle->Data.SetSkinSection(kSeeThrough);
  auto* inner = new TestSkinned(middle, ckButton, "BUTTON", {5, 7, 105, 30});
  form->HandleNeeded();
  ASSERT_TRUE(panel->PrepareCache());

  const std::optional<TacParentBG> under = BackgroundUnder(inner);
  ASSERT_TRUE(under);
  EXPECT_EQ(under->Bmp, panel->Data.FCacheBmp.get());
  EXPECT_EQ(under->Offset, (TPoint{35, 47}));
}

// Where the button's border image is fully transparent, its finished cache
// shows exactly the panel's gradient under it.
TEST_F(ParentBackground, TheFinishedCacheShowsTheParentWhereTheBorderIsTransparent) {
  ASSERT_TRUE(panel->PrepareCache());
  ASSERT_TRUE(button->PrepareCache());
  const TacWorkBitmap& parent = *panel->Data.FCacheBmp;
  const TacWorkBitmap& cache = *button->Data.FCacheBmp;
  SavePng(parent, "gradient-panel");
  SavePng(cache, "button-over-gradient");
  ASSERT_GT(Red(parent.Pixel(5, 2)), Blue(parent.Pixel(5, 2)));  // red at the top, blue at the bottom
  ASSERT_GT(Blue(parent.Pixel(5, 137)), Red(parent.Pixel(5, 137)));

  // The border image alone, over two plain backgrounds: pixels that show
  // each background unchanged are where the image is fully transparent.
  TacSkinData& skin = *button->Data.GetCommonSkinData();
  auto paintOver = [&](TColor color) {
    auto image = NewWorkBitmap(cache.Width(), cache.Height());
    PaintSectionLayers(button->Data.SkinIndex, TacParentBG{nullptr, {}, color, {}, false}, skin, *image, {0, 0},
                       image->BoundsRect(), 0, nullptr);
    return image;
  };
  const auto overBlack = paintOver(clBlack);
  const auto overWhite = paintOver(clWhite);
  int transparent = 0, opaque = 0;
  for (int32_t y = 0; y < cache.Height(); ++y)
    for (int32_t x = 0; x < cache.Width(); ++x) {
      const bool clear = (overBlack->Pixel(x, y) & 0xFFFFFF) == 0 && (overWhite->Pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
      if (!clear) {
        ++opaque;
        continue;
      }
      ++transparent;
      ASSERT_EQ(cache.Pixel(x, y) & 0xFFFFFF, parent.Pixel(x + 20, y + 15) & 0xFFFFFF) << x << "," << y;
    }
  EXPECT_GT(transparent, 0);  // the rounded corners
  EXPECT_GT(opaque, transparent);
}

TEST_F(ParentBackground, AChildWaitsForAParentWhoseImageIsNotReadyAndPaintsWhenTold) {
  panel->Ready = false;
  panel->Data.FCacheBmp->SetSize(0, 0);
  form->Show();
  Application().ProcessMessages();
  EXPECT_EQ(button->Paints, 0);
  EXPECT_TRUE(button->Data.FUpdating);

  // The panel's own parent ends its deferral: it paints, then tells its children.
  panel->Ready = true;
  SendSkinCommand(panel->Handle(), SK_END_PARENT_UPDATE);
  EXPECT_GE(panel->Paints, 1);
  EXPECT_EQ(button->Paints, 1);
  EXPECT_FALSE(button->Data.FUpdating);
  ASSERT_FALSE(button->Data.FCacheBmp->Empty());
  SavePng(*button->Data.FCacheBmp, "button-after-deferral");
}

TEST_F(ParentBackground, AnOpaquePlainSectionAnswersItsColour) {
  panel->Data.SetSkinSection(kBlackPanel);
  panel->Data.GetCommonSkinData();
  manager->Effects().SetAllowOuterEffects(false);
  TacBGQuery query;
  GetParentBG(query, panel, false);
  EXPECT_EQ(query.Kind, bgkColor);
  EXPECT_EQ(query.Color, clBlack);
  EXPECT_EQ(query.Bmp, nullptr);
}

// A white section at transparency 50 over black: each channel is 127, whether
// the black comes from a plain control or from a skinned one answering 0.
TEST_F(ParentBackground, HalfTransparentWhiteOverBlackIsMidGrey) {
  auto* plain = new TPanel(form.get());
  plain->SetParent(form.get());
  plain->SetColor(clBlack);
  auto* overPlain = new TestSkinned(plain, 0, "", {0, 0, 50, 20});
  overPlain->Data.SetSkinSection(kHalfWhite);
  EXPECT_EQ(overPlain->Data.GetBGColor(0), 0x7F7F7F);

  panel->Data.SetSkinSection(kBlackPanel);
  auto* overSkinned = new TestSkinned(panel, 0, "", {0, 0, 50, 20});
  overSkinned->Data.SetSkinSection(kHalfWhite);
  form->HandleNeeded();
  EXPECT_EQ(overSkinned->Data.GetBGColor(0), 0x7F7F7F);
}

TEST_F(ParentBackground, AChildPaintsItsShadowIntoTheParentsCache) {
  auto* card = new TestSkinned(panel, 0, "", {120, 60, 200, 100});
  card->Data.SetSkinSection(kShadowed);
  form->HandleNeeded();
  ASSERT_TRUE(panel->PrepareCache());
  TacWorkBitmap plain(1, 1);
  plain.Assign(*panel->Data.FCacheBmp);

  card->Data.OuterEffects().SetVisibility(ovAlways);
  ASSERT_TRUE(panel->PrepareCache());
  const TacWorkBitmap& shadowed = *panel->Data.FCacheBmp;
  SavePng(shadowed, "panel-with-shadow");
  auto darker = [](TacPixel a, TacPixel b) { return Red(a) + Green(a) + Blue(a) < Red(b) + Green(b) + Blue(b); };
  EXPECT_TRUE(darker(shadowed.Pixel(118, 80), plain.Pixel(118, 80)));  // just left of the card
  EXPECT_TRUE(darker(shadowed.Pixel(160, 102), plain.Pixel(160, 102)));  // just below it
  EXPECT_EQ(shadowed.Pixel(60, 80), plain.Pixel(60, 80));                // far from it
  // What the shadow covers is kept, from beyond its reach on every side.
  ASSERT_TRUE(card->Data.FOuterCache);
  EXPECT_EQ(card->Data.FOuterCache->Width(), 80 + 12);
  EXPECT_EQ(card->Data.FOuterCache->Pixel(0, 0), plain.Pixel(114, 54));
}

TEST_F(ParentBackground, ACacheIsCopiedAroundTheChildrenThatDrawThemselves) {
  auto* plainChild = new TCustomControl(panel);
  plainChild->SetParent(panel);
  plainChild->SetBounds(150, 60, 40, 20);
  form->HandleNeeded();
  ASSERT_TRUE(panel->PrepareCache());
  TacWorkBitmap target(280, 140);
  target.Fill(0xFFFFFFFFu);
  CopyCacheExcludingChildren(panel, panel->Data, {0, 0, 280, 140}, {0, 0}, WorkBitmapDC(target), {0, 0, 280, 140});
  GdiFlush();
  const TacWorkBitmap& cache = *panel->Data.FCacheBmp;
  EXPECT_EQ(target.Pixel(30, 25), 0xFFFFFFFFu);          // under the skinned button: left for it
  EXPECT_EQ(target.Pixel(160, 70), cache.Pixel(160, 70));  // under a plain child that does not paint its back
  EXPECT_EQ(target.Pixel(5, 100), cache.Pixel(5, 100));
}

TEST_F(ParentBackground, AWindowThatDoesNotAnswerIsTheSkinsMainColour) {
  TacBGQuery query;
  GetParentBGOfWindow(query, form->Handle(), false, &button->Data);
  EXPECT_EQ(query.Kind, bgkColor);
  EXPECT_EQ(query.Color, manager->GetGlobalColor());
}

}  // namespace
