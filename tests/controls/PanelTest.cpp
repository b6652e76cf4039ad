#include <gtest/gtest.h>

#include "ControlsFixture.h"
#include "controls/SkinnedPanel.h"
#include "framework/Bitmap.h"
#include "skin/SkinData.h"

namespace {

class Panel : public ControlsFixture {
 protected:
  TsPanel* PlacePanel(const char* Section = nullptr) {
    auto* panel = Place<TsPanel>(form.get(), {10, 10, 210, 110});
    if (Section) panel->SkinData().SetSkinSection(Section);
    panel->HandleNeeded();
    return panel;
  }
  static TacPixel At(TsPanel& Panel, int32_t X, int32_t Y) { return Panel.SkinData().FCacheBmp->Pixel(X, Y); }
  // The first row of the cache with a pixel brighter than the black panel.
  static int32_t FirstTextRow(TsPanel& Panel) {
    const TacWorkBitmap& cache = *Panel.SkinData().FCacheBmp;
    for (int32_t y = 0; y < cache.Height(); ++y)
      for (int32_t x = 0; x < cache.Width(); ++x)
        if ((cache.Pixel(x, y) & 0xFFFFFF) > 0x404040) return y;
    return -1;
  }
};

struct BevelCase {
  const char* Name;
  TBevelCut Bevel;
  const char* Section;
};

class PanelBevel : public Panel, public testing::WithParamInterface<BevelCase> {};

TEST_P(PanelBevel, NamesTheSectionOfAnEmptySkinSection) {
  TsPanel* panel = PlacePanel();
  EXPECT_EQ(panel->SkinData().SkinIndex, manager->GetSkinIndex("PANEL"));
  panel->SetBevelOuter(GetParam().Bevel);
  EXPECT_STREQ(panel->DefaultSection(), GetParam().Section);
  EXPECT_EQ(panel->SkinData().SkinIndex, manager->GetSkinIndex(GetParam().Section));
}

INSTANTIATE_TEST_SUITE_P(Bevels, PanelBevel,
                         testing::Values(BevelCase{"None", TBevelCut::bvNone, "TRANSPARENT"},
                                         BevelCase{"Lowered", TBevelCut::bvLowered, "PANEL_LOW"},
                                         BevelCase{"Raised", TBevelCut::bvRaised, "PANEL"},
                                         BevelCase{"Space", TBevelCut::bvSpace, "GROUPBOX"}),
                         [](const testing::TestParamInfo<BevelCase>& c) { return std::string(c.param.Name); });

TEST_F(Panel, ACentredCaptionInABorderStartsThatMuchLower) {
  TsPanel* panel = PlacePanel(kBlackPanel);
  panel->SetCaption("Caption");
  ASSERT_TRUE(panel->PrepareCache());
  const int32_t centred = FirstTextRow(*panel);
  ASSERT_GT(centred, 0);
  panel->SetBorderWidth(4);
  ASSERT_TRUE(panel->PrepareCache());
  EXPECT_EQ(FirstTextRow(*panel), centred + 4);
  panel->SetShowCaption(false);
  ASSERT_TRUE(panel->PrepareCache());
  EXPECT_EQ(FirstTextRow(*panel), -1);
}

TEST_F(Panel, ASideShadowDarkensTowardItsSide) {
  TsPanel* panel = PlacePanel(kHalfWhite);
  ASSERT_TRUE(panel->PrepareCache());
  const int32_t w = panel->Width();
  const TacPixel plain = At(*panel, w - 1, 50);
  panel->SideShadow().SetMode(TacSideShadowMode::ssmInternal);
  ASSERT_TRUE(panel->PrepareCache());
  const auto brightness = [&](int32_t x) { return At(*panel, x, 50) & 0xFF; };
  EXPECT_LT(brightness(w - 1), brightness(w - 3));
  EXPECT_LT(brightness(w - 3), brightness(w - 6));
  EXPECT_LT(brightness(w - 6), plain & 0xFF);
  EXPECT_EQ(At(*panel, w - 7, 50), plain);
}

TEST_F(Panel, TransparentForMouseLetsTheMouseThrough) {
  TsPanel* panel = PlacePanel();
  RECT bounds{};
  GetWindowRect(panel->Handle(), &bounds);
  const LPARAM inside = MAKELPARAM(bounds.left + 5, bounds.top + 5);
  EXPECT_EQ(SendMessageW(panel->Handle(), WM_NCHITTEST, 0, inside), HTCLIENT);
  panel->SetTransparentForMouse(true);
  EXPECT_EQ(SendMessageW(panel->Handle(), WM_NCHITTEST, 0, inside), HTTRANSPARENT);
}

// A system erase (no second DC) copies the image; the same DC in both
// parameters asks for a copy that the paint draws whole, so nothing is erased.
TEST_F(Panel, ASystemEraseCopiesTheImageAndACopyIsLeftToThePaint) {
  TsPanel* panel = PlacePanel(kGradientPanel);
  TBitmap target(panel->Width(), panel->Height());
  const HDC dc = target.Canvas().Handle();
  const RECT all{0, 0, panel->Width(), panel->Height()};
  const auto fillMarker = [&] {
    const HBRUSH marker = CreateSolidBrush(RGB(1, 2, 3));
    FillRect(dc, &all, marker);
    DeleteObject(marker);
  };
  fillMarker();
  SendMessageW(panel->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(dc));
  EXPECT_EQ(GetPixel(dc, 30, 30), RGB(1, 2, 3));
  SendMessageW(panel->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  const TacPixel cached = At(*panel, 30, 30);
  EXPECT_EQ(GetPixel(dc, 30, 30), RGB(Red(cached), Green(cached), Blue(cached)));
  EXPECT_NE(GetPixel(dc, 30, 30), RGB(1, 2, 3));
}

}  // namespace
