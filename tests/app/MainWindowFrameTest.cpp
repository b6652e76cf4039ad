// The main window's frame bitmap as the skin lays it out for the
// extended-border window, at 96 and 144 PPI.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/Unit1.h"
#include "base/ErrorBox.h"
#include "forms/SkinProvider.h"
#include "framework/Application.h"
#include "messages/SkinCommand.h"
#include "skin/SkinData.h"

namespace {

class MainWindowFrame : public testing::TestWithParam<int32_t> {
 protected:
  void SetUp() override {
    previousErrorBox = SetErrorBoxProc([](const std::string&, TacBoxKind) {});
    form = std::make_unique<TForm1>(nullptr);
    form->Show();
    SetForegroundWindow(form->Handle());
    SetActiveWindow(form->Handle());
    Application().ProcessMessages();
    if (ppi() != 96) {
      form->sSkinManager1->UpdateScale(form.get(), 96, ppi());
      SendSkinCommandToControl(form.get(), SK_PPI_CHANGED, ppi());
      Application().ProcessMessages();
    }
    provider = reinterpret_cast<TsSkinProvider*>(form->Perform(SM_SKINCOMMAND, MakeSkinCommand(SK_GET_PROVIDER)));
    ASSERT_NE(provider, nullptr);
    skin = &form->sSkinManager1->CommonSkinData(ppi());
  }
  void TearDown() override {
    form.reset();
    SetErrorBoxProc(previousErrorBox);
  }
  int32_t ppi() const { return GetParam(); }
  int32_t Scaled(int32_t value) const { return MulDiv(value, ppi(), 96); }
  const TacWorkBitmap& Frame(int32_t active) {
    provider->FormActive = active;
    provider->SkinData().BGChanged = true;
    EXPECT_TRUE(provider->PaintAll());
    return *provider->SkinData().FCacheBmp;
  }
  const TsMaskData& ExBorder() const { return skin->ma[static_cast<size_t>(skin->ExBorder)]; }

  std::unique_ptr<TForm1> form;
  TsSkinProvider* provider = nullptr;
  TacSkinData* skin = nullptr;
  TacErrorBoxProc previousErrorBox;
};

TEST_P(MainWindowFrame, HasTheSkinsMetrics) {
  const TRect shadow = provider->ShadowSize();
  EXPECT_EQ(shadow, (TRect{skin->ExContentOffs, skin->ExContentOffs, skin->ExContentOffs, skin->ExContentOffs}));
  EXPECT_EQ(provider->BorderWidth(), skin->ExBorderWidth);
  EXPECT_EQ(provider->CaptionHeight(), skin->ExTitleHeight);
  RECT window{};
  GetWindowRect(form->Handle(), &window);
  const int32_t b = provider->BorderWidth(), f = provider->SystemFrameWidth(), c = provider->SystemCaptionHeight();
  const TSize size = provider->FrameBitmapSize();
  EXPECT_EQ(size.cx, window.right - window.left + 2 * (b - f) + shadow.Left + shadow.Right);
  EXPECT_EQ(size.cy, window.bottom - window.top + (skin->ExTitleHeight - c - f) + (b - f) + shadow.Top + shadow.Bottom);
  EXPECT_EQ(provider->OffsetX(), b + shadow.Left);
  EXPECT_EQ(provider->OffsetY(), skin->ExTitleHeight + shadow.Top);
  if (ppi() == 96) {
    // The Part's own numbers for the stored skin.
    EXPECT_EQ(shadow, (TRect{14, 14, 14, 14}));
    EXPECT_EQ(size.cx, 298);
    EXPECT_EQ(size.cy, 166);
    EXPECT_EQ(provider->OffsetX(), 18);
    EXPECT_EQ(provider->OffsetY(), 46);
  }
  // The client area of the bitmap is the client area of the window.
  EXPECT_EQ(size.cx - provider->OffsetX() - b - shadow.Right, form->ClientWidth());
  EXPECT_EQ(size.cy - provider->OffsetY() - b - shadow.Bottom, form->ClientHeight());
}

TEST_P(MainWindowFrame, LaysOutTheIconCaptionAndOneCloseButton) {
  const TacWorkBitmap& frame = Frame(1);
  const int32_t left = provider->BorderWidth() + provider->ShadowSize().Left;
  const int32_t icon = Scaled(16);
  EXPECT_EQ(provider->VCenter,
            provider->ShadowSize().Top + skin->ExTitleHeight - skin->ExTitleHeight / 2 + skin->ExCenterOffs);
  EXPECT_EQ(provider->IconRect(), (TRect{left + skin->Spacing, provider->VCenter - icon / 2, left + skin->Spacing + icon,
                                         provider->VCenter - icon / 2 + icon}));
  EXPECT_EQ(provider->CaptionRect().Left, provider->IconRect().Right + skin->Spacing);
  const TsMaskData& close = skin->ma[static_cast<size_t>(skin->TitleGlyphs[tgClose])];
  const TRect button = provider->ButtonClose.cpRect;
  EXPECT_EQ(provider->ButtonClose.cpGlyphType, tgCloseAlone);
  EXPECT_EQ(button.Width(), close.Width);
  EXPECT_EQ(button.Height(), close.Height);
  EXPECT_EQ(button.Right, frame.Width() - provider->BorderWidth() - provider->ShadowSize().Right);
  EXPECT_EQ(button.Top, provider->VCenter - close.Height / 2);
  EXPECT_EQ(provider->ButtonMax.cpState, -1);
  EXPECT_EQ(provider->ButtonMin.cpState, -1);
  if (ppi() == 96) {
    EXPECT_EQ(provider->IconRect(), (TRect{22, 21, 38, 37}));
    EXPECT_EQ(provider->CaptionRect().Left, 42);
    EXPECT_EQ(button, (TRect{256, 17, 280, 41}));
  }
}

// The title strip and the corners are the border image's active half where
// nothing lies over them: corners 1:1, the top band stretched between them.
TEST_P(MainWindowFrame, TakesTheTitleStripAndCornersFromTheBorderImage) {
  const TacWorkBitmap& frame = Frame(1);
  const TacWorkBitmap& active = *skin->ShdaTemplate;
  const TsMaskData& m = ExBorder();
  const int32_t w = frame.Width();
  EXPECT_EQ(frame.Pixel(2, 2), active.Pixel(2, 2));
  EXPECT_EQ(frame.Pixel(w - 3, 5), active.Pixel(active.Width() - 3, 5));
  EXPECT_EQ(frame.Pixel(3, frame.Height() - 2), active.Pixel(3, active.Height() - 2));
  // A column of the top band between the caption and the close button.
  const int32_t x = provider->ButtonClose.cpRect.Left - 3;
  const int32_t source = m.WL + (x - m.WL) * (active.Width() - m.WL - m.WR) / (w - m.WL - m.WR);
  for (const int32_t y : {provider->ShadowSize().Top, provider->ShadowSize().Top + 2, provider->OffsetY() - 1})
    EXPECT_EQ(frame.Pixel(x, y), active.Pixel(source, y)) << "row " << y;
}

TEST_P(MainWindowFrame, ActiveAndInactiveLookTheirOwn) {
  const TacWorkBitmap& active = Frame(1);
  const TacWorkBitmap& inactiveTemplate = *skin->ShdiTemplate;
  const TRect caption = provider->CaptionRect();
  const TRect button = provider->ButtonClose.cpRect;
  const auto brightest = [](const TacWorkBitmap& image, const TRect& r) {
    uint32_t best = 0;
    for (int32_t y = r.Top; y < r.Bottom; ++y)
      for (int32_t x = r.Left; x < r.Right; ++x)
        best = std::max(best, Red(image.Pixel(x, y)) + Green(image.Pixel(x, y)) + Blue(image.Pixel(x, y)));
    return best;
  };
  const TsGeneralData& title = skin->gd[static_cast<size_t>(skin->GetSkinIndex("FORMTITLE"))];
  const TColor hot = ColorToRGB(title.Props[1].FontColor.Color), plain = ColorToRGB(title.Props[0].FontColor.Color);
  const auto sum = [](TColor c) { return static_cast<uint32_t>((c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF)); };
  // Anti-aliased text reaches its colour within a step of rounding.
  EXPECT_NEAR(brightest(active, caption), sum(hot), 6) << "the caption is white while active";
  std::vector<TacPixel> activeButton;
  for (int32_t y = button.Top; y < button.Bottom; ++y)
    for (int32_t x = button.Left; x < button.Right; ++x) activeButton.push_back(active.Pixel(x, y));

  const TacWorkBitmap& inactive = Frame(0);
  EXPECT_NEAR(brightest(inactive, caption), sum(plain), 6) << "and the title's inactive colour when not";
  EXPECT_EQ(inactive.Pixel(2, 2), inactiveTemplate.Pixel(2, 2)) << "from the other half of the image";
  size_t differ = 0;
  for (int32_t y = button.Top, i = 0; y < button.Bottom; ++y)
    for (int32_t x = button.Left; x < button.Right; ++x, ++i)
      if (inactive.Pixel(x, y) != activeButton[static_cast<size_t>(i)]) ++differ;
  EXPECT_GT(differ, 0u) << "the glyph is half opaque on an inactive frame";
}

// The caption's row: centred on the title's centre line, which holds the
// skin's centre offset once.
TEST_P(MainWindowFrame, PutsTheCaptionOnTheTitlesCentreLine) {
  const TacWorkBitmap& frame = Frame(1);
  const TRect text = provider->CaptionRect();
  EXPECT_EQ(text.Top, provider->VCenter - text.Height() / 2 - 1);
  int32_t first = -1, last = -1;
  const TsGeneralData& title = skin->gd[static_cast<size_t>(skin->GetSkinIndex("FORMTITLE"))];
  const TacPixel white = PixelOfColor(ColorToRGB(title.Props[1].FontColor.Color));
  const auto within8 = [](uint32_t a, uint32_t b) { return (a > b ? a - b : b - a) <= 8; };
  for (int32_t y = 0; y < provider->OffsetY(); ++y)
    for (int32_t x = text.Left; x < text.Right; ++x)
      if (const TacPixel p = frame.Pixel(x, y);
          within8(Red(p), Red(white)) && within8(Green(p), Green(white)) && within8(Blue(p), Blue(white))) {
        if (first < 0) first = y;
        last = y;
      }
  ASSERT_GE(first, 0) << "the caption is drawn";
  EXPECT_GE(first, text.Top);
  EXPECT_LT(last, text.Bottom);
  if (ppi() == 96) {
    EXPECT_EQ(text.Top, 29 - text.Height() / 2 - 1);
  }
}

INSTANTIATE_TEST_SUITE_P(Resolutions, MainWindowFrame, testing::Values(96, 144),
                         [](const testing::TestParamInfo<int32_t>& c) { return "Ppi" + std::to_string(c.param); });

}  // namespace
