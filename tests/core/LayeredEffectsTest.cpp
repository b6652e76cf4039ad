#include <gtest/gtest.h>

#include "core/CommonData.h"
#include "core/LayeredEffects.h"
#include "core/LayeredWindowApi.h"
#include "framework/Form.h"
#include "framework/Panel.h"
#include "loader/OpenedSkin.h"

namespace {

struct LayeredUpdate {
  HWND Window;
  SIZE Size;
  uint8_t Alpha;
};
std::vector<LayeredUpdate> updates;
TUpdateLayeredWindowProc systemUpdate = nullptr;

BOOL WINAPI RecordUpdate(HWND window, HDC screen, POINT* position, SIZE* size, HDC source, POINT* from, COLORREF key,
                         BLENDFUNCTION* blend, DWORD flags) {
  updates.push_back({window, *size, blend->SourceConstantAlpha});
  return systemUpdate(window, screen, position, size, source, from, key, blend, flags);
}

// The stored skin at 96 PPI and a form holding an edit-like panel bound to
// the skin's "EDIT" section, whose glow image is 7 pixels wide on each side.
class LayeredEffects : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    stored.push_back(std::make_unique<TsStoredSkin>());
    stored[0]->Name = "Orvale (internal)";
    stored[0]->PackedData.LoadFromFile(std::string(ORVALE_ROOT) + "/Orvale.asz");
    opened = TacOpenedSkin::FromStored(stored, stored[0]->Name, 96);
    skin = &opened->Data();
  }
  static void TearDownTestSuite() {
    opened.reset();
    stored.clear();
  }

  void SetUp() override {
    updates.clear();
    systemUpdate = original;
    SetUpdateLayeredWindowProc(RecordUpdate);
    form.SetBounds(100, 100, 300, 200);
    owner = new TPanel(&form);
    owner->SetParent(&form);
    owner->SetBounds(40, 50, 120, 24);
    form.HandleNeeded();
    data.FCommonSkinData = skin;
    data.SkinIndex = skin->GetSkinIndex("EDIT");
    data.FOwnerControl = owner;
  }
  void TearDown() override {
    ClearEffects(false);
    SetUpdateLayeredWindowProc(original);
  }

  TRect OwnerScreenRect() {
    RECT r{};
    GetWindowRect(owner->Handle(), &r);
    return {r.left, r.top, r.right, r.bottom};
  }
  int32_t ShowEditGlow(int32_t margin = 2) {
    return ShowGlow(OwnerScreenRect(), "", "GLOW", &data, form.Handle(), 200, margin);
  }
  TacGlowEffect& Glow(int32_t id) { return *dynamic_cast<TacGlowEffect*>(EffectOf(id)); }

  static inline TsStoredSkins stored;
  static inline std::unique_ptr<TacOpenedSkin> opened;
  static inline TacSkinData* skin = nullptr;
  const TUpdateLayeredWindowProc original = UpdateLayeredWindowProc();
  TForm form{nullptr};
  TPanel* owner = nullptr;
  TsCommonData data;
};

TEST_F(LayeredEffects, GlowSurroundsTheOwnerInAClickThroughLayeredWindow) {
  const int32_t id = ShowEditGlow();
  ASSERT_GE(id, 0);
  TacGlowEffect& glow = Glow(id);
  const HWND window = glow.Wnd->Handle();
  const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
  EXPECT_TRUE(exStyle & WS_EX_LAYERED);
  EXPECT_TRUE(exStyle & WS_EX_TRANSPARENT);
  EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, 0), HTTRANSPARENT);
  EXPECT_TRUE(IsWindowVisible(window));

  // The element's 7-pixel margins, pulled in by 2, lie outside the owner.
  const TRect owned = OwnerScreenRect();
  RECT r{};
  GetWindowRect(window, &r);
  EXPECT_EQ(TRect(r.left, r.top, r.right, r.bottom), TRect(owned.Left - 5, owned.Top - 5, owned.Right + 5, owned.Bottom + 5));
  ASSERT_EQ(updates.size(), 1u);
  EXPECT_EQ(updates[0].Window, window);
  EXPECT_EQ(updates[0].Size.cx, owned.Width() + 10);
  EXPECT_EQ(updates[0].Alpha, 200);

  // The glow lies in the band around the owner; its far corners stay clear.
  const TacWorkBitmap& image = *glow.AlphaBmp;
  EXPECT_GT(Alpha(image.Pixel(image.Width() / 2, 4)), 0);
  EXPECT_EQ(Alpha(image.Pixel(0, 0)), 0);
}

TEST_F(LayeredEffects, HidingFreesTheWindowAndTheIdentifier) {
  int32_t id = ShowEditGlow();
  ASSERT_GE(id, 0);
  data.GlowID = id;
  const HWND window = Glow(id).Wnd->Handle();
  HideGlow(id);
  EXPECT_EQ(id, -1);
  EXPECT_EQ(data.GlowID, -1);
  EXPECT_FALSE(IsWindow(window));

  int32_t none = -1;
  HideGlow(none);
  EXPECT_EQ(none, -1);
}

TEST_F(LayeredEffects, NothingIsShownWhenItCannotOrNeedNot) {
  // No glow image and no outer effect on hover.
  data.SkinIndex = skin->GetSkinIndex("BUTTON");
  EXPECT_EQ(ShowEditGlow(), -1);
  data.SkinIndex = skin->GetSkinIndex("EDIT");

  EXPECT_EQ(ShowGlow(OwnerScreenRect(), "", "GLOW", nullptr, form.Handle(), 255, 0), -1);

  SetCapture(form.Handle());
  EXPECT_EQ(ShowEditGlow(), -1);
  ReleaseCapture();

  SetUpdateLayeredWindowProc(nullptr);
  EXPECT_EQ(ShowEditGlow(), -1);
  EXPECT_TRUE(updates.empty());
}

TEST_F(LayeredEffects, ASiblingAboveTheOwnerIsNotCovered) {
  auto* sibling = new TPanel(&form);
  sibling->SetParent(&form);
  sibling->SetBounds(150, 40, 60, 30);  // over the owner's right end
  form.HandleNeeded();
  SetWindowPos(sibling->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  const int32_t id = ShowEditGlow();
  ASSERT_GE(id, 0);
  const TacWorkBitmap& image = *Glow(id).AlphaBmp;
  RECT window{}, covered{};
  GetWindowRect(Glow(id).Wnd->Handle(), &window);
  GetWindowRect(sibling->Handle(), &covered);
  // The glow band above the owner, once left of the sibling and once under it.
  const int32_t y = 3;
  EXPECT_GT(Alpha(image.Pixel(covered.left - window.left - 10, y)), 0);
  EXPECT_EQ(Alpha(image.Pixel(covered.left - window.left + 5, y)), 0);
}

TEST_F(LayeredEffects, ClearingForgetsTheOwnersIdentifiers) {
  data.GlowID = ShowEditGlow();
  ASSERT_GE(data.GlowID, 0);
  ClearEffects(false);
  EXPECT_EQ(data.GlowID, -1);
  EXPECT_EQ(EffectOf(0), nullptr);
}

TEST_F(LayeredEffects, ARippleGrowsThenShrinksBackAndGoesAway) {
  TacRippleParams params;
  params.Center = {200, 200};
  params.RadiusStart = 4;
  params.RadiusFinish = 30;
  params.AlphaFinish = 180;
  params.Color = 0x3366CC;
  const int32_t id = ShowRipple(params, &data);
  ASSERT_GE(id, 0);
  auto* ripple = dynamic_cast<TacCircleEffect*>(EffectOf(id));
  ASSERT_NE(ripple, nullptr);
  const HWND window = ripple->Wnd->Handle();
  double largest = ripple->RealRadius;
  for (int tick = 0; tick < 200 && EffectOf(id); ++tick) {
    SendMessageW(window, WM_TIMER, 1, 0);
    MSG msg;
    while (PeekMessageW(&msg, window, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    if (EffectOf(id)) largest = std::max(largest, ripple->RealRadius);
  }
  EXPECT_GT(largest, 28);
  EXPECT_EQ(EffectOf(id), nullptr);
  EXPECT_FALSE(IsWindow(window));
}

}  // namespace
