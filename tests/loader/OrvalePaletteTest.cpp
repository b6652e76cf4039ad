#include <gtest/gtest.h>

#include "graphics/ColorTransforms.h"
#include "loader/OpenedSkin.h"

namespace {

// The stored skin of the main window, as the manager loads it for 96 PPI.
class OrvalePalette : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    stored = new TsStoredSkins;
    stored->push_back(std::make_unique<TsStoredSkin>());
    (*stored)[0]->Name = "Orvale (internal)";
    (*stored)[0]->PackedData.LoadFromFile(std::string(ORVALE_ROOT) + "/Orvale.asz");
  }
  static void TearDownTestSuite() { delete stored; }

  static std::unique_ptr<TacOpenedSkin> Open(const TacSkinLoadInputs& inputs = {}) {
    return TacOpenedSkin::FromStored(*stored, "Orvale (internal)", 96, inputs);
  }

  static TsStoredSkins* stored;
};

TsStoredSkins* OrvalePalette::stored = nullptr;

TEST_F(OrvalePalette, StoredSkinColours) {
  const auto skin = Open();
  const TacSkinPalette& palette = skin->Palette();
  const struct {
    TacPaletteColors Entry;
    TColor Expected;
  } cases[] = {
      {pcMainColor, 16777215},
      {pcLabelText, 0},
      {pcWebText, 11230512},
      {pcWebTextHot, 15564610},
      {pcBorder, 12632256},
      {pcEditBG, 16777215},
      {pcEditText, 0},
      {pcSelectionBG, 16759947},
      {pcSelectionBG_Focused, 15564610},
      {pcSelectionText_Focused, 16777215},
      {pcBtnColor1Normal, static_cast<TColor>(0xFFF4F4F4u)},
      {pcBtnBorderNormal, 13027014},
      {pcEditBG_EvenRow, 16185078},
  };
  for (const auto& c : cases) EXPECT_EQ(palette[c.Entry], c.Expected) << "entry " << c.Entry;
}

// The skin keeps its close buttons (BIKEEPHUE=2) through a hue change.
TEST_F(OrvalePalette, HueChangeKeepsTheCloseButtons) {
  const auto skin = Open({.HueOffset = 30});
  const auto original = Open();
  const TacSkinData& data = skin->Data();
  const TacSkinPalette& palette = skin->Palette();
  const auto rectOf = [&](const char* key) { return data.ma[static_cast<size_t>(data.GetMaskIndex(s_GlobalInfo, key))].R; };
  const auto changedIn = [&](const TRect& r) {
    int changed = 0;
    for (int32_t y = r.Top; y < r.Bottom; ++y)
      for (int32_t x = r.Left; x < r.Right; ++x)
        changed += skin->MasterBitmap().Pixel(x, y) != original->MasterBitmap().Pixel(x, y);
    return changed;
  };
  EXPECT_EQ(changedIn(rectOf("BICONCLOSE")), 0);
  EXPECT_EQ(changedIn(rectOf("SICONCLOSE")), 0);
  EXPECT_GT(changedIn(rectOf("BICONMAX")), 0);
  EXPECT_EQ(palette[pcSelectionBG_Focused], HueColor(15564610, 30));
  EXPECT_EQ(palette[pcWebTextHot], 15564610);
}

}  // namespace
