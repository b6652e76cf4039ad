#include <gtest/gtest.h>

#include "StoredOrvale.h"
#include "skin/SkinData.h"

namespace {

// The stored skin of the main window, loaded as the manager does for one PPI.
class OrvaleSkinData : public ::testing::TestWithParam<int> {
 protected:
  static void SetUpTestSuite() { orvale = new StoredOrvale; }
  static void TearDownTestSuite() { delete orvale; }

  static TacSkinData* Load(int ppi, TacExtBordersMode mode = ebmFull) {
    return orvale->Load(ppi, mode);
  }

  static const TsGeneralData& Section(const TacSkinData& data, const char* name) {
    const int32_t index = data.GetSkinIndex(name);
    EXPECT_GE(index, 0) << name;
    return data.gd[static_cast<size_t>(index)];
  }

  static StoredOrvale* orvale;
};

StoredOrvale* OrvaleSkinData::orvale = nullptr;

TEST_P(OrvaleSkinData, SectionsSlotsAndStandardElements) {
  const auto data = Load(GetParam());
  ASSERT_EQ(data->gd.size(), 79u);
  EXPECT_EQ(data->IndexGlobalInfo, 0);
  EXPECT_EQ(data->gd[73].ClassName, "TRANSPARENT");
  EXPECT_EQ(data->gd[75].ClassName, "DIALOGTITLE");
  EXPECT_EQ(data->gd[75].ParentClass, "FORMTITLE");
  EXPECT_EQ(data->gd[75].States, Section(*data, "FORMTITLE").States);
  EXPECT_EQ(data->Sections[ssFormHeader], -1);
  EXPECT_EQ(data->Sections[ssDialogTitle], data->GetSkinIndex("FORMTITLE"));

  ASSERT_TRUE(data->IsValidImgIndex(data->CheckBox[1]));
  const TsMaskData& box = data->ma[static_cast<size_t>(data->CheckBox[1])];
  EXPECT_EQ(box.ImageCount, 3);
  EXPECT_EQ(box.Width, 17 * GetParam() / 96);
  EXPECT_EQ(box.ImgType, itisaGlyph);

  ASSERT_TRUE(data->IsValidImgIndex(data->ExBorder));
  const TsMaskData& ex = data->ma[static_cast<size_t>(data->ExBorder)];
  EXPECT_EQ(ex.ImgType, itisaGlow);
  EXPECT_EQ(ex.ImageCount, 2);
  EXPECT_EQ(ex.DrawMode, 17);
  ASSERT_TRUE(data->ShdaTemplate && data->ShdiTemplate);
  EXPECT_EQ(data->ShdaTemplate->Width(), ex.Width);
  EXPECT_EQ(data->ShdiTemplate->Height(), ex.Height);
  const int32_t offs = data->ExContentOffs;
  EXPECT_EQ(data->FormShadowSize, Rect(offs, offs, offs, offs));

  // The button face: four frames of 30 x 23 at 96 PPI, scaled with the resolution.
  const TsGeneralData& button = Section(*data, "BUTTON");
  ASSERT_TRUE(data->IsValidImgIndex(button.BorderIndex));
  const TsMaskData& face = data->ma[static_cast<size_t>(button.BorderIndex)];
  EXPECT_EQ(face.ImageCount, 4);
  EXPECT_EQ(face.Width, 30 * GetParam() / 96);
  EXPECT_EQ(face.Height, 23 * GetParam() / 96);
  EXPECT_EQ(face.Bmp == nullptr, GetParam() == 96);
  EXPECT_EQ(Section(*data, "EDIT").BorderIndex, -1);
  EXPECT_EQ(Section(*data, "EDIT").ScrollBorderOffset, 0);  // rounded colour border
  EXPECT_GE(data->GetMaskIndex(data->GetSkinIndex("EDIT"), "EDIT", "GLOW0"), 0);
  EXPECT_GE(data->TitleGlyphs[1], 0);
}

TEST_P(OrvaleSkinData, SectionRecordsHoldTheStoredValues) {
  const auto data = Load(GetParam());
  const TsGeneralData& slider = Section(*data, "SCROLLSLIDERH");
  EXPECT_EQ(slider.States, 2);
  EXPECT_EQ(slider.Props[0].Color, 12105912);
  EXPECT_EQ(slider.Props[1].Color, 0xFFFFFF);

  const TsGeneralData& edit = Section(*data, "EDIT");
  EXPECT_EQ(edit.States, 2);
  EXPECT_EQ(edit.GlowCount, 1);
  EXPECT_EQ(edit.GlowMargin, MulDivRounded(2, GetParam(), 96));
  EXPECT_EQ(edit.OuterMode, 1);
  EXPECT_EQ(edit.Props[0].BorderColor, 14408667);
  EXPECT_EQ(edit.Props[1].BorderColor, 15564610);

  const TsGeneralData& divider = Section(*data, "DIVIDER");
  EXPECT_EQ(divider.Props[1].Color, divider.Props[0].Color);
  EXPECT_EQ(divider.Props[2].FontColor.Color, divider.Props[0].FontColor.Color);

  const TsGeneralData& button = Section(*data, "BUTTON");
  EXPECT_FALSE(button.UseState2);
  EXPECT_EQ(button.Props[2].Color, button.Props[1].Color);
  EXPECT_EQ(button.Props[2].TextureIndex, button.Props[1].TextureIndex);

  const TsGeneralData& menuBtn = Section(*data, "MENUBTN");
  EXPECT_TRUE(menuBtn.UseState2);
  EXPECT_EQ(menuBtn.Props[2].Color, 11821619);
  EXPECT_EQ(menuBtn.Props[2].FontColor.Color, 16777215);

  EXPECT_EQ(Section(*data, "MENUITEM").Props[1].LightColor, -18031);
}

// Key-colour marks resampled at load time would keep magenta in their edges,
// so every resolution has marks drawn for it: none is rescaled, and no pixel
// other than the key itself is near magenta.
TEST_P(OrvaleSkinData, CheckMarksAreDrawnForEveryResolution) {
  const auto data = Load(GetParam());
  const int32_t marks[] = {data->CheckBox[0],      data->CheckBox[1],      data->CheckBox[2],
                           data->SmallCheckBox[0], data->SmallCheckBox[1], data->SmallCheckBox[2],
                           data->RadioButton[0],   data->RadioButton[1]};
  for (const int32_t index : marks) {
    ASSERT_TRUE(data->IsValidImgIndex(index));
    const TsMaskData& m = data->ma[static_cast<size_t>(index)];
    SCOPED_TRACE(m.PropertyName);
    EXPECT_EQ(m.DivPPI, m.MulPPi);
    EXPECT_EQ(m.MulPPi, GetParam());
    const TacWorkBitmap& image = data->ImageOf(m, orvale->Master());
    for (int32_t y = m.R.Top; y < m.R.Bottom; ++y)
      for (int32_t x = m.R.Left; x < m.R.Right; ++x) {
        const TacPixel p = image.Pixel(x, y);
        if (p == KeyPixel) continue;
        EXPECT_FALSE(Red(p) > 200 && Green(p) < 80 && Blue(p) > 200) << x << "," << y;
      }
  }
}

INSTANTIATE_TEST_SUITE_P(Resolutions, OrvaleSkinData, ::testing::Values(96, 120, 144, 192));

TEST_F(OrvaleSkinData, MetricsAt96And144) {
  const struct {
    int ppi;
    int32_t borderWidth, titleHeight, maxHeight, centerOffs, contentOffs, drawMode, comboMargin, sliderMargin,
        biRight, biSpacing, shadowOffset, shadowBlur;
  } cases[] = {
      {96, 4, 32, 28, -1, 14, 1, 1, 0, 0, 1, 1, 3},
      {144, 6, 48, 42, -2, 21, 1, 2, 0, 0, 2, 2, 5},
  };
  for (const auto& c : cases) {
    const auto data = Load(c.ppi);
    EXPECT_EQ(data->ExBorderWidth, c.borderWidth) << c.ppi;
    EXPECT_EQ(data->ExTitleHeight, c.titleHeight) << c.ppi;
    EXPECT_EQ(data->ExMaxHeight, c.maxHeight) << c.ppi;
    EXPECT_EQ(data->ExCenterOffs, c.centerOffs) << c.ppi;
    EXPECT_EQ(data->ExContentOffs, c.contentOffs) << c.ppi;
    EXPECT_EQ(data->ExDrawMode, c.drawMode) << c.ppi;
    EXPECT_EQ(data->ComboBoxMargin, c.comboMargin) << c.ppi;
    EXPECT_EQ(data->SliderMargin, c.sliderMargin) << c.ppi;
    EXPECT_EQ(data->BIRightMargin, c.biRight) << c.ppi;
    EXPECT_EQ(data->BISpacing, c.biSpacing) << c.ppi;
    EXPECT_EQ(data->Shadow1Offset, c.shadowOffset) << c.ppi;
    EXPECT_EQ(data->Shadow1Blur, c.shadowBlur) << c.ppi;
  }
}

TEST_F(OrvaleSkinData, GeneratedShadowModeDropsTheBorderImage) {
  const auto data = Load(96, ebmShadow);
  EXPECT_EQ(data->ExBorder, -1);
  EXPECT_EQ(data->ExTitleHeight, 30);
  EXPECT_EQ(data->FormShadowSize,
            Rect(data->WndShadowSize, std::max(0, data->WndShadowSize - data->WndShadowOffset), data->WndShadowSize,
                 data->WndShadowSize + data->WndShadowOffset));
}

}  // namespace
