#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

#include "../paint/PaintFixture.h"
#include "SkinnedFixture.h"
#include "core/LayeredEffects.h"
#include "core/ParentBackground.h"
#include "framework/Application.h"
#include "graphics/Composition.h"
#include "skin/SkinData.h"

namespace {

class CommonData : public PanelAndButton {
 protected:
  LRESULT Command(TestSkinned* control, int command, int argument = 0, LPARAM lParam = 0) {
    return DirectSendMessage(control->Handle(), SM_SKINCOMMAND, MakeSkinCommand(command, argument), lParam);
  }
};

TEST_F(CommonData, ASectionNameIsStoredUpperCasedAndTheDefaultIsNotWritten) {
  const int32_t byDefault = button->Data.SkinIndex;
  ASSERT_GE(byDefault, 0);
  EXPECT_FALSE(button->Data.IsSkinSectionStored());
  button->Data.SetSkinSection("button");
  EXPECT_EQ(button->Data.SkinSection(), "BUTTON");
  EXPECT_EQ(button->Data.SkinIndex, byDefault);
  EXPECT_FALSE(button->Data.IsSkinSectionStored());
  button->Data.SetSkinSection("edit");
  EXPECT_TRUE(button->Data.IsSkinSectionStored());
}

TEST_F(CommonData, SetSectionTakesANameAndRefusesNone) {
  const std::string name = kSeeThrough;
  EXPECT_EQ(Command(button, SK_SET_SECTION, 0, 0), 0);
  EXPECT_EQ(button->Data.SkinSection(), "");
  EXPECT_EQ(Command(button, SK_SET_SECTION, 0, reinterpret_cast<LPARAM>(&name)), 1);
  EXPECT_EQ(button->Data.SkinSection(), kSeeThrough);
  EXPECT_EQ(button->Data.SkinIndex, manager->GetSkinIndex(kSeeThrough));
}

// A successful preparation of the cache answers 0: a non-zero answer tells
// animations that the control has no image to fade from.
TEST_F(CommonData, PreparingTheCacheAnswersZero) {
  button->Data.BGChanged = true;
  EXPECT_EQ(Command(button, SK_PREPARE_CACHE), 0);
  EXPECT_FALSE(button->Data.FCacheBmp->Empty());
  TsCommonData bare;
  TMessage fallback{SM_SKINCOMMAND, MakeSkinCommand(SK_PREPARE_CACHE), 0, 0};
  EXPECT_TRUE(bare.CommonSkinCommand(fallback));
  EXPECT_EQ(fallback.Result, 0);
  EXPECT_FALSE(bare.BGChanged);
}

TEST_F(CommonData, QuestionsWithARecordAreAnsweredIntoIt) {
  BOOL skinned = FALSE;
  EXPECT_EQ(Command(button, SK_IS_SKINNED, 0, reinterpret_cast<LPARAM>(&skinned)), 1);
  EXPECT_TRUE(skinned);
  int32_t record[2] = {7, -5};
  Command(button, SK_GET_INDEX, 0, reinterpret_cast<LPARAM>(record));
  EXPECT_EQ(record[0], 7);
  EXPECT_EQ(record[1], button->Data.SkinIndex);
  RECT bounds{};
  Command(button, SK_GET_BOUNDS, 0, reinterpret_cast<LPARAM>(&bounds));
  EXPECT_EQ(bounds.left, 20);
  EXPECT_EQ(bounds.bottom, 38);
  EXPECT_EQ(Command(button, SK_GET_SKIN_DATA), reinterpret_cast<LRESULT>(&button->Data));
  EXPECT_EQ(Command(button, SK_GET_PPI), 96);
  EXPECT_EQ(Command(button, SK_BG_VARIES), 1);
}

struct RefreshCase {
  const char* Name;
  int Argument;  // the low word: 0, or a section index
  bool OtherManager;
  bool Applies;
};

class Refresh : public CommonData, public testing::WithParamInterface<RefreshCase> {};

TEST_P(Refresh, ReachesTheControlsOfItsSection) {
  const RefreshCase& c = GetParam();
  TsSkinManager other(nullptr);
  const int32_t own = button->Data.SkinIndex;
  const int argument = c.Argument == 1 ? own : c.Argument == 2 ? own + 256 : c.Argument == 3 ? own + 1 : 0;
  button->Data.FUpdating = true;
  button->Data.BGChanged = false;
  Command(button, SK_REFRESH, argument, reinterpret_cast<LPARAM>(c.OtherManager ? &other : manager.get()));
  EXPECT_EQ(button->Data.BGChanged, c.Applies);
  EXPECT_EQ(button->Data.FUpdating, !c.Applies);
}

INSTANTIATE_TEST_SUITE_P(Cases, Refresh,
                         testing::Values(RefreshCase{"Everybody", 0, false, true},
                                         RefreshCase{"ItsOwnSection", 1, false, true},
                                         RefreshCase{"ItsSectionPlus256", 2, false, true},
                                         RefreshCase{"AnotherSection", 3, false, false},
                                         RefreshCase{"AnotherManager", 0, true, false}),
                         [](const testing::TestParamInfo<RefreshCase>& c) { return std::string(c.param.Name); });

TEST_F(CommonData, TwoBeginUpdatesNeedTwoEndUpdates) {
  button->Data.BeginUpdate();
  button->Data.BeginUpdate();
  button->Data.EndUpdate();
  EXPECT_EQ(button->EndUpdates, 0);
  EXPECT_TRUE(button->Data.FUpdating);
  EXPECT_TRUE(button->Data.CheckUpdating());
  button->Data.EndUpdate();
  EXPECT_EQ(button->EndUpdates, 1);
  EXPECT_FALSE(button->Data.FUpdating);
  button->Data.EndUpdate();  // one too many changes nothing
  EXPECT_EQ(button->EndUpdates, 1);
}

TEST_F(CommonData, TransparencySetUpAnswersItsModeAndReachesTheChildren) {
  const LRESULT answer = Command(panel, SK_INIT_TRANSPARENCY, 0, 1 | (2 << 16));
  EXPECT_EQ(answer, 1 + (2 << 16));
  EXPECT_EQ(panel->Data.TranspMode, 2);
  EXPECT_EQ(button->Data.TranspMode, 2);
}

TEST_F(CommonData, HoveringMakesAButtonHotButNeverAPanelNorWithoutMouseHover) {
  panel->Perform(CM_MOUSEENTER);
  EXPECT_EQ(panel->Data.CtrlState(), 0);
  button->Perform(CM_MOUSEENTER);
  EXPECT_EQ(button->Data.CtrlState(), 1);
  manager->Options().NoMouseHover = true;
  EXPECT_EQ(button->Data.CtrlState(), 0);
  manager->Options().NoMouseHover = false;
  button->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(button->Data.CtrlState(), 0);
}

// A see-through control's text takes the colour of the section under it.
TEST_F(CommonData, TextOfATransparentControlTakesThePanelsColour) {
  auto* check = new TestSkinned(panel, 0, "", {20, 60, 120, 80});
  check->Data.SetSkinSection(kSeeThrough);
  form->HandleNeeded();
  ASSERT_TRUE(check->Data.IsTextTransparent(0));
  TacTextSourceQuery query;
  EXPECT_EQ(check->Data.FindTextSource(query), 1);
  EXPECT_EQ(query.SkinIndex, panel->Data.SkinIndex);
  EXPECT_EQ(query.Manager, manager.get());
  EXPECT_EQ(check->Data.TextColor(0, true), 65535);  // the panel's font colour
  EXPECT_FALSE(button->Data.IsTextTransparent(0));   // its face is opaque enough
}

// The mask pixel that decides lies in the element's own frames and image,
// however many states the section claims.
TEST_F(CommonData, TheTextTransparencyTestStaysInsideTheImage) {
  PaintSkin crafted;
  const int32_t mask = crafted.AddElement({56, 0, 64, 16}, 1, 1, dmDrawCentre);
  for (int32_t y = 8; y < 16; ++y)
    for (int32_t x = 56; x < 64; ++x) crafted.Master->SetPixel(x, y, 0xFFFFFFFFu);
  const int32_t index = crafted.AddSection(clWhite, 80);
  crafted.Section(index).BorderIndex = mask;
  auto* control = new TestSkinned(panel, 0, "", {0, 0, 30, 20});
  form->HandleNeeded();
  control->Data.SkinIndex = index;
  control->Data.FCommonSkinData = crafted.Data.get();
  for (int32_t state = 0; state < 4; ++state) EXPECT_TRUE(control->Data.IsTextTransparent(state)) << state;
  control->Data.SkinIndex = -1;
  control->Data.FCommonSkinData = nullptr;
}

// Any thread or process can send SM_SKINCOMMAND: a pointer it carries is not
// ours to follow, and only questions about values are answered.
TEST_F(CommonData, PointerCommandsFromAnotherThreadChangeNothing) {
  const HWND target = button->Handle();
  const int32_t index = button->Data.SkinIndex;
  const int pointerCommands[] = {SK_GET_BG,      SK_PAINT_OUTER,  SK_GET_TEXT_SOURCE, SK_GET_INDEX,
                                 SK_SET_SECTION, SK_SECTION_CHANGED, SK_GET_BOUNDS,  SK_GET_SKIN_DATA,
                                 SK_GET_COMMON_SKIN_DATA, SK_GET_APPLICATION};
  std::vector<LRESULT> answers;
  LRESULT skinned = 0, ppi = 0;
  std::atomic<bool> done{false};
  std::thread sender([&] {
    for (const int command : pointerCommands) answers.push_back(SendMessageW(target, SM_SKINCOMMAND, MakeSkinCommand(command), 1));
    skinned = SendMessageW(target, SM_SKINCOMMAND, MakeSkinCommand(SK_IS_SKINNED), 1);
    ppi = SendMessageW(target, SM_SKINCOMMAND, MakeSkinCommand(SK_GET_PPI), 0);
    for (const int command : pointerCommands) PostMessageW(target, SM_SKINCOMMAND, MakeSkinCommand(command), 1);
    done = true;
  });
  while (!done) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    Application().ProcessMessages();
  }
  sender.join();
  Application().ProcessMessages();  // the posted ones
  for (const LRESULT answer : answers) EXPECT_EQ(answer, 0);
  EXPECT_EQ(skinned, 1);
  EXPECT_EQ(ppi, 96);
  EXPECT_EQ(button->Data.SkinIndex, index);
  EXPECT_EQ(button->Data.SkinSection(), "");
}

}  // namespace

namespace {

// The sub-commands that only set or report a flag of the data, each with
// what must hold afterwards.
struct FlagCase {
  const char* Name;
  int Command;
  int Argument;
  LPARAM LParam;
  LRESULT Answer;
  std::function<bool(const TestSkinned& panel, const TestSkinned& button)> Holds;
};

class SubCommands : public CommonData, public testing::WithParamInterface<FlagCase> {};

TEST_P(SubCommands, SetAndReportTheirFlag) {
  const FlagCase& c = GetParam();
  ASSERT_TRUE(panel->PrepareCache());
  ASSERT_TRUE(button->PrepareCache());
  EXPECT_EQ(Command(panel, c.Command, c.Argument, c.LParam), c.Answer);
  EXPECT_TRUE(c.Holds(*panel, *button));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SubCommands,
    testing::Values(
        FlagCase{"SetUpdating", SK_SET_UPDATING, 1, 0, 0, [](auto& p, auto&) { return p.Data.FUpdating; }},
        FlagCase{"ClearUpdating", SK_SET_UPDATING, 0, 0, 0, [](auto& p, auto&) { return !p.Data.FUpdating; }},
        FlagCase{"SetHalfVisible", SK_SET_HALF_VISIBLE, 0, 0, 0, [](auto& p, auto&) { return p.Data.HalfVisible; }},
        FlagCase{"IsHalfVisible", SK_IS_HALF_VISIBLE, 0, 0, 0, [](auto&, auto&) { return true; }},
        FlagCase{"BackgroundChangedReachesTheChildren", SK_BG_CHANGED, 1, 0, 0,
                 [](auto& p, auto& b) { return p.Data.BGChanged && b.Data.BGChanged; }},
        FlagCase{"ClearCacheEmptiesTheChildrenToo", SK_CLEAR_CACHE, 0, 0, 0,
                 [](auto& p, auto& b) { return p.Data.FCacheBmp->Empty() && b.Data.FCacheBmp->Empty() && p.Data.BGChanged; }},
        FlagCase{"PrintModeOn", SK_PRINT_MODE, 1, 0x1234, 0,
                 [](auto& p, auto&) { return p.Data.PrintDC == reinterpret_cast<HDC>(0x1234) && (p.Data.CtrlSkinState & csPrinting); }},
        FlagCase{"PrintModeOff", SK_PRINT_MODE, 0, 0x1234, 0,
                 [](auto& p, auto&) { return !p.Data.PrintDC && !(p.Data.CtrlSkinState & csPrinting); }},
        FlagCase{"ResolutionIsTakenAndPassedOnButNotAnswered", SK_PPI_CHANGED, 0, 144, 0,
                 [](auto& p, auto& b) { return p.Data.CurrentPPI == 144 && b.Data.CurrentPPI == 144; }},
        FlagCase{"AnAbsurdResolutionIsRefused", SK_PPI_CHANGED, 0, 0x7FFFFFFF, 0,
                 [](auto& p, auto&) { return p.Data.CurrentPPI == 96; }},
        FlagCase{"ActiveWithAnActiveManager", SK_IS_ACTIVE, 0, 0, 1, [](auto&, auto&) { return true; }},
        FlagCase{"StopAnimationIsNotAnswered", SK_STOP_ANIMATION, 0, 0, 0, [](auto&, auto&) { return true; }}),
    [](const testing::TestParamInfo<FlagCase>& c) { return std::string(c.param.Name); });

TEST_F(CommonData, SkinAnnouncementsConcernOnlyTheirManager) {
  TsSkinManager other(nullptr);
  Command(button, SK_SKIN_REMOVED, 0, reinterpret_cast<LPARAM>(&other));
  EXPECT_GE(button->Data.SkinIndex, 0);
  Command(button, SK_SKIN_REMOVED, 0, reinterpret_cast<LPARAM>(manager.get()));
  EXPECT_EQ(button->Data.SkinIndex, -1);
  Command(button, SK_SKIN_LOADED, 0, reinterpret_cast<LPARAM>(manager.get()));
  EXPECT_EQ(button->Data.SkinIndex, manager->GetSkinIndex("BUTTON"));

  const std::string section = kGradientPanel;
  panel->Data.BGChanged = false;
  Command(panel, SK_SECTION_CHANGED, 0, reinterpret_cast<LPARAM>(&section));
  EXPECT_TRUE(panel->Data.BGChanged);
}

TEST_F(CommonData, InvalidatingOrAMovedParentMarksTheImageStale) {
  ASSERT_TRUE(panel->PrepareCache());
  ASSERT_TRUE(button->PrepareCache());
  Command(button, SK_INVALIDATE);
  EXPECT_TRUE(button->Data.BGChanged);

  // The button sees through its corners to a panel whose background varies,
  // so a move makes its image stale; the opaque panel's image stays valid.
  ASSERT_TRUE(button->PrepareCache());
  Command(panel, SK_REPAINT_IF_MOVED);
  EXPECT_FALSE(panel->Data.BGChanged);
  Command(button, SK_REPAINT_IF_MOVED);
  EXPECT_TRUE(button->Data.BGChanged);
}

TEST_F(CommonData, ForcedOpaqueRedrawsOnlyOnAComposedDesktop) {
  const TacCompositionQuery previous = SetCompositionQuery([] { return true; });
  EXPECT_EQ(Command(button, SK_FORCE_OPAQUE), 0);
  button->Data.SetOpaqueMode(omForceOpaque);
  EXPECT_EQ(Command(button, SK_FORCE_OPAQUE), 1);
  SetCompositionQuery([] { return false; });
  EXPECT_EQ(Command(button, SK_FORCE_OPAQUE), 0);
  SetCompositionQuery(previous);
}

TEST_F(CommonData, DroppingEffectsReachesTheChildren) {
  button->Data.GlowID = AppendEffect(std::make_unique<TacGlowEffect>(&button->Data, nullptr));
  ASSERT_GE(button->Data.GlowID, 0);
  Command(panel, SK_DROP_EFFECTS);
  EXPECT_EQ(button->Data.GlowID, -1);
}

TEST_F(CommonData, ObjectQuestionsAnswerTheLiveObjects) {
  EXPECT_EQ(Command(button, SK_GET_APPLICATION), reinterpret_cast<LRESULT>(&Application()));
  EXPECT_EQ(Command(button, SK_GET_COMMON_SKIN_DATA), reinterpret_cast<LRESULT>(button->Data.GetCommonSkinData()));
  EXPECT_EQ(Command(button, SK_GET_SKIN_DATA), reinterpret_cast<LRESULT>(&button->Data));
}

// The manager announces a new font before it makes the name current: the
// control must take the new name, not the one being replaced.
TEST_F(CommonData, AFontChangeGivesTheControlTheNewName) {
  manager->StoreDefFont();
  button->Font().SetName("Arial");
  ASSERT_FALSE(button->ParentFont());
  // Until the form's own skinning passes the announcement on, the form hands
  // it to the panel as a skinned form would.
  const TWndMethod formProc = form->WindowProc;
  form->WindowProc = [&](TMessage& message) {
    if (message.Msg == SM_SKINCOMMAND && SkinCommandOf(message.WParam) == SK_FONT_CHANGED)
      panel->Perform(message.Msg, message.WParam, message.LParam);
    formProc(message);
  };
  manager->ChangeAppFont("Courier New", false);
  form->WindowProc = formProc;
  EXPECT_EQ(button->Font().Name(), "Courier New");
  EXPECT_EQ(manager->CurrentFontName(), "Courier New");
}

TEST_F(CommonData, TheLightHandlerHearsItsArgument) {
  int heard = -1;
  button->Data.OnUpdateLight = [&](TObject* sender, int32_t argument) {
    EXPECT_EQ(sender, button);
    heard = argument;
  };
  Command(button, SK_LIGHT, 5);
  EXPECT_EQ(heard, 5);
}

}  // namespace
