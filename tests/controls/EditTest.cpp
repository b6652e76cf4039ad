#include <gtest/gtest.h>

#include "ControlsFixture.h"
#include "base/StrUtils.h"
#include "controls/SkinnedEdit.h"
#include "controls/SkinnedPanel.h"
#include "framework/Application.h"
#include "skin/SkinData.h"

namespace {

class Edit : public ControlsFixture {
 protected:
  void SetUp() override {
    ControlsFixture::SetUp();
    panel = Place<TsPanel>(form.get(), {0, 0, 300, 100});
    panel->HandleNeeded();
    edit = Place<TsEdit>(panel, {10, 10, 260, 31});
    edit->HandleNeeded();
  }
  std::vector<TacPixel> Image() {
    edit->SkinData().BGChanged = true;
    EXPECT_TRUE(edit->PrepareCache());
    const TacWorkBitmap& cache = *edit->SkinData().FCacheBmp;
    return {cache.Row(0), cache.Row(0) + static_cast<ptrdiff_t>(cache.Width()) * cache.Height()};
  }
  TsPanel* panel = nullptr;
  TsEdit* edit = nullptr;
};

TEST_F(Edit, TakesTheColoursOfItsSection) {
  const TsGeneralData& section = manager->CommonSkinData().gd[static_cast<size_t>(manager->GetSkinIndex("EDIT"))];
  EXPECT_EQ(edit->SkinData().SkinIndex, manager->GetSkinIndex("EDIT"));
  EXPECT_EQ(edit->Color(), section.Props[0].Color);
  EXPECT_EQ(edit->Font().Color(), section.Props[0].FontColor.Color);
}

TEST_F(Edit, PasswordCharactersStandInForTheText) {
  edit->SetText("abc");
  EXPECT_EQ(edit->ShownText(), "abc");
  edit->SetPasswordChar(L'*');
  EXPECT_EQ(edit->ShownText(), WideToUtf8(L"\u25CF\u25CF\u25CF"));
  edit->SetPasswordChar(L'#');
  EXPECT_EQ(edit->ShownText(), "###");
}

TEST_F(Edit, TheTextHintShowsOnlyWhileTheFieldIsEmptyAndUnfocused) {
  const std::vector<TacPixel> empty = Image();
  edit->SetTextHint("Type here");
  EXPECT_TRUE(edit->ShowTextHint());
  const std::vector<TacPixel> hinted = Image();
  EXPECT_NE(hinted, empty);
  form->Show();
  edit->SetFocus();
  Application().ProcessMessages();
  ASSERT_TRUE(edit->Focused());
  const std::vector<TacPixel> focused = Image();
  edit->SetText("x");
  EXPECT_FALSE(edit->ShowTextHint());
  EXPECT_NE(focused, hinted);
}

TEST_F(Edit, CentredTextIsWrittenInTheMiddle) {
  edit->SetText("");
  const std::vector<TacPixel> blank = Image();
  edit->SetText("WWWW");
  edit->SetAlignment(TAlignment::taCenter);
  const std::vector<TacPixel> centred = Image();
  const int32_t width = edit->Width();
  int32_t left = width, right = -1;
  for (size_t i = 0; i < centred.size(); ++i)
    if (centred[i] != blank[i]) {
      left = std::min(left, static_cast<int32_t>(i) % width);
      right = std::max(right, static_cast<int32_t>(i) % width);
    }
  ASSERT_GE(right, left);
  EXPECT_NEAR(left + right, width - 1, 4);
}

}  // namespace
