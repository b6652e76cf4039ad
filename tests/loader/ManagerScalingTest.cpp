#include <gtest/gtest.h>

#include "loader/ManagerScaling.h"

namespace {

TEST(ManagerScaling, ScaleIntByScaleIndexTruncatesTowardsZero) {
  struct Case {
    int32_t Value, Index, Expected;
  };
  const Case cases[] = {{10, 0, 10}, {10, 1, 12}, {10, 2, 15}, {10, 3, 20},
                        {-2, 0, -2}, {-2, 1, -2}, {-2, 2, -3}, {-2, 3, -4}, {7, 1, 8}, {-7, 2, -10}};
  const TacScaling scaling;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Value << " at " << c.Index);
    EXPECT_EQ(scaling.ScaleInt(c.Value, c.Index), c.Expected);
  }
}

TEST(ManagerScaling, ModesDecideTheScaleAndHowLengthsFollowIt) {
  struct Case {
    TacScaleMode Mode;
    int32_t SysFontScale;
    bool Designing;
    int32_t Scale;
    int32_t Scaled10;
  };
  const Case cases[] = {
      {smVCL, 2, false, 0, 10},      {smOldMode, 2, false, 0, 10}, {smAuto, 2, false, 2, 15},
      {sm100, 3, false, 0, 10},      {sm125, 0, false, 1, 12},     {sm150, 0, false, 2, 15},
      {sm200, 0, false, 3, 20},      {sm200, 0, true, 0, 10},      {smAuto, 3, true, 0, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "mode " << c.Mode << (c.Designing ? " designing" : ""));
    const TacScaling scaling{c.Mode, 96, c.SysFontScale, c.Designing};
    EXPECT_EQ(scaling.GetScale(), c.Scale);
    EXPECT_EQ(scaling.ScaleInt(10), c.Scaled10);
  }
}

TEST(ManagerScaling, CustomPPIScalesLengthsRoundedAndOldModeNever) {
  const TacScaling custom{smCustomPPI, 144, 0, false};
  EXPECT_EQ(custom.ScaleInt(10), 15);
  EXPECT_EQ(custom.ScaleInt(3), 5);  // 4.5 rounds away from zero
  EXPECT_EQ(custom.ScaleInt(-3), -5);
  const TacScaling old{smOldMode, 144, 3, false};
  EXPECT_EQ(old.ScaleInt(10, 3), 10);
}

TEST(ManagerScaling, SlotsAndTheResolutionsASelectionLoads) {
  const TacScaling vcl{smVCL, 96, 0, false};
  EXPECT_EQ(vcl.SlotOfPPI(96), 0);
  EXPECT_EQ(vcl.SlotOfPPI(120), 1);
  EXPECT_EQ(vcl.SlotOfPPI(144), 2);
  EXPECT_EQ(vcl.SlotOfPPI(192), 3);
  EXPECT_EQ(vcl.SelectionPPIs(96), std::vector<int32_t>{96});
  EXPECT_EQ(vcl.SelectionPPIs(144), (std::vector<int32_t>{96, 144}));

  const TacScaling designing{smVCL, 96, 0, true};
  EXPECT_EQ(designing.SlotOfPPI(144), 0);
  const TacScaling fixed{sm125, 96, 0, false};
  EXPECT_EQ(fixed.SlotOfPPI(144), 0);
  EXPECT_EQ(fixed.SelectionPPIs(144), std::vector<int32_t>{120});
  const TacScaling custom{smCustomPPI, 168, 0, false};
  EXPECT_EQ(custom.SelectionPPIs(96), std::vector<int32_t>{168});
  const TacScaling automatic{smAuto, 96, 3, false};
  EXPECT_EQ(automatic.SelectionPPIs(96), std::vector<int32_t>{192});
}

}  // namespace
