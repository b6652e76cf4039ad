#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "messages/SkinCommand.h"
#include "manager/ManagerOptions.h"

namespace {

// One request of an option group: what it asks for and its arguments.
struct Call {
  std::string What;
  int64_t First = 0, Second = 0;
  friend bool operator==(const Call&, const Call&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Call& c) {
    return out << c.What << "(" << c.First << ", " << c.Second << ")";
  }
};

// A manager that records what its option groups ask of it.
struct FakeManager {
  bool loading = false, holding = false, active = true, isDefault = true;
  std::vector<Call> calls;
  const TacManagerLink link{
      .IsLoading = [this] { return loading; },
      .HoldsUpdates = [this] { return holding; },
      .HasActiveSkin = [this] { return active; },
      .IsDefaultManager = [this] { return isDefault; },
      .Repaint = [this](bool DoLockForms) { calls.push_back({"repaint", DoLockForms}); },
      .Broadcast = [this](int Command, LPARAM lParam) { calls.push_back({"broadcast", Command, lParam}); },
      .Reskin = [this](bool Repaint) { calls.push_back({"reskin", Repaint}); },
      .SwitchSystemColors = [this](bool On) { calls.push_back({"syscolors", On}); }};
};

struct Groups {
  explicit Groups(FakeManager& m) : Effects(m.link), Buttons(m.link), Scrolls(m.link), Options(m.link) {}
  TacSkinEffects Effects;
  TacButtonsSupport Buttons;
  TacScrollBarsSupport Scrolls;
  TacOptions Options;
};

// What a manager in each state is asked when one option changes. A change
// that only needs a repaint or a new announcement waits while the manager
// loads or holds its updates; broadcasts and the system colours wait only
// while it loads; the recolouring needs an active skin of the default manager.
struct Case {
  const char* Name;
  std::function<void(Groups&)> Change;
  Call Normal;             // what an active default manager hears
  bool WhileHolding;       // heard also while updates are held
  bool WithoutSkin;        // heard also without an active skin
  bool ByOtherManagers;    // heard also by a manager that is not the default one
};

const Case kCases[] = {
    {"AllowOuterEffects", [](Groups& g) { g.Effects.SetAllowOuterEffects(false); }, {"repaint", 0}, false, true, true},
    {"DiscoloredGlyphs", [](Groups& g) { g.Effects.SetDiscoloredGlyphs(true); }, {"repaint", 0}, false, true, true},
    {"ButtonsSize", [](Groups& g) { g.Scrolls.SetButtonsSize(20); }, {"repaint", 1}, false, true, true},
    {"ScrollSize", [](Groups& g) { g.Scrolls.SetScrollSize(20); },
     {"broadcast", SK_SCROLLS_CHANGED, 0}, true, true, true},
    {"ChangeSysColors", [](Groups& g) { g.Options.SetChangeSysColors(true); }, {"syscolors", 1}, true, false, false},
    {"DrawNonClientArea", [](Groups& g) { g.Options.SetDrawNonClientArea(false); },
     {"broadcast", SK_CLIENT_AREA, 0}, true, true, true},
    {"ArrowsStyle", [](Groups& g) { g.Options.SetArrowsStyle(TacArrowsStyle::arsLines1); }, {"reskin", 1}, false, false,
     true},
    {"GroupBoxStyle", [](Groups& g) { g.Options.SetGroupBoxStyle(TacGroupBoxStyle::gsCard); }, {"reskin", 1}, false,
     false, true},
};

std::vector<Call> Heard(const Case& c, const std::function<void(FakeManager&)>& state) {
  FakeManager manager;
  state(manager);
  Groups groups(manager);
  c.Change(groups);
  return manager.calls;
}

TEST(ManagerOptions, EachChangeAsksTheManagerForWhatItNeeds) {
  const std::vector<Call> none;
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.Name);
    const std::vector<Call> normal{c.Normal};
    EXPECT_EQ(Heard(c, [](FakeManager&) {}), normal);
    EXPECT_EQ(Heard(c, [](FakeManager& m) { m.loading = true; }), none);
    EXPECT_EQ(Heard(c, [](FakeManager& m) { m.holding = true; }), c.WhileHolding ? normal : none);
    EXPECT_EQ(Heard(c, [](FakeManager& m) { m.active = false; }), c.WithoutSkin ? normal : none);
    EXPECT_EQ(Heard(c, [](FakeManager& m) { m.isDefault = false; }), c.ByOtherManagers ? normal : none);
  }
}

TEST(ManagerOptions, SettingTheSameValueAgainAsksNothing) {
  FakeManager manager;
  Groups g(manager);
  g.Effects.SetAllowOuterEffects(true);
  g.Scrolls.SetScrollSize(-1);
  g.Options.SetChangeSysColors(false);
  g.Options.SetDrawNonClientArea(true);
  g.Options.SetArrowsStyle(TacArrowsStyle::arsDefault);
  EXPECT_TRUE(manager.calls.empty());
  g.Options.SetChangeSysColors(true);
  g.Options.SetChangeSysColors(false);
  EXPECT_EQ(manager.calls, (std::vector<Call>{{"syscolors", 1}, {"syscolors", 0}}));
}

// The glyph mode is shared by every manager of the process.
TEST(ManagerOptions, OldGlyphsModeIsOneForAllManagers) {
  FakeManager first, second;
  Groups a(first), b(second);
  a.Buttons.SetOldGlyphsMode(true);
  EXPECT_TRUE(TacButtonsSupport::OldGlyphsMode());
  EXPECT_EQ(first.calls, (std::vector<Call>{{"repaint", 1}}));
  b.Buttons.SetOldGlyphsMode(true);
  EXPECT_TRUE(second.calls.empty());
  b.Buttons.SetOldGlyphsMode(false);
  EXPECT_FALSE(TacButtonsSupport::OldGlyphsMode());
}

}  // namespace
