// The main window's border window: what it puts on screen through the
// layered-window seam, where, and that it follows the form and goes away
// with it without leaving anything behind.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/Unit1.h"
#include "base/ErrorBox.h"
#include "base/WinHandles.h"
#include "core/LayeredWindowApi.h"
#include "forms/SkinProvider.h"
#include "framework/Application.h"
#include "graphics/AlphaOps.h"
#include "graphics/BlockCopy.h"
#include "graphics/PixelFill.h"
#include "messages/SkinCommand.h"
#include "skin/SkinData.h"

namespace {

struct LayeredUpdate {
  HWND Window;
  POINT At;
  SIZE Size;
  BLENDFUNCTION Blend;
  DWORD Flags;
  std::shared_ptr<TacWorkBitmap> Image;
};

std::vector<LayeredUpdate>& Updates() {
  static std::vector<LayeredUpdate> updates;
  return updates;
}

BOOL WINAPI RecordUpdate(HWND window, HDC screen, POINT* at, SIZE* size, HDC source, POINT* from, COLORREF key,
                         BLENDFUNCTION* blend, DWORD flags) {
  LayeredUpdate update{window, at ? *at : POINT{}, size ? *size : SIZE{}, blend ? *blend : BLENDFUNCTION{}, flags,
                       std::make_shared<TacWorkBitmap>()};
  if (size) ReadLayeredSource(source, *size, *update.Image);
  Updates().push_back(update);
  return SystemUpdateLayeredWindowProc()(window, screen, at, size, source, from, key, blend, flags);
}

bool OfThisProcess(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process == GetCurrentProcessId();
}

BOOL CALLBACK CollectLayered(HWND window, LPARAM found) {
  if (OfThisProcess(window) && (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED))
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  return TRUE;
}

// The layered windows this process has, shown or not.
std::vector<HWND> LayeredWindowsOfProcess() {
  std::vector<HWND> found;
  EnumWindows(CollectLayered, reinterpret_cast<LPARAM>(&found));
  return found;
}

// GetGuiResources answers 0 under Wine. There, GDI objects are counted by
// their table index (Wine takes a handle's low word alone), and for USER
// objects the process's windows stand in.
DWORD GdiObjects() {
  if (const DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return n;
  DWORD n = 0;
  for (ULONG_PTR index = 1; index < 0x10000; ++index) n += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) ? 1 : 0;
  return n;
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<DWORD*>(count);
  return TRUE;
}

BOOL CALLBACK CountWindowAndChildren(HWND window, LPARAM count) {
  if (!OfThisProcess(window)) return TRUE;
  CountWindow(window, count);
  EnumChildWindows(window, CountWindow, count);
  return TRUE;
}

DWORD UserObjects() {
  if (const DWORD n = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) return n;
  DWORD n = 0;
  EnumWindows(CountWindowAndChildren, reinterpret_cast<LPARAM>(&n));
  return n;
}

RECT WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

void Pump() {
  Application().ProcessMessages();
  Application().ProcessMessages();
}

class BorderWindow : public testing::Test {
 protected:
  void SetUp() override {
    previousErrorBox = SetErrorBoxProc([](const std::string&, TacBoxKind) {});
    Updates().clear();
    SetUpdateLayeredWindowProc(RecordUpdate);
    form = std::make_unique<TForm1>(nullptr);
    form->Show();
    SetForegroundWindow(form->Handle());
    SetActiveWindow(form->Handle());
    Pump();
    provider = reinterpret_cast<TsSkinProvider*>(form->Perform(SM_SKINCOMMAND, MakeSkinCommand(SK_GET_PROVIDER)));
    ASSERT_NE(provider, nullptr);
    ASSERT_NE(provider->BorderForm(), nullptr);
  }
  void TearDown() override {
    form.reset();
    SetUpdateLayeredWindowProc(SystemUpdateLayeredWindowProc());
    SetErrorBoxProc(previousErrorBox);
  }
  HWND Border() const { return provider->BorderForm() ? provider->BorderForm()->Handle() : nullptr; }
  // The updates of this form's border window (another form has one of its own).
  std::vector<LayeredUpdate> OwnUpdates() const {
    std::vector<LayeredUpdate> own;
    for (const LayeredUpdate& u : Updates())
      if (u.Window == Border()) own.push_back(u);
    return own;
  }
  // The frame bitmap as the border window must show it: premultiplied, and clear under the client area.
  std::unique_ptr<TacWorkBitmap> Expected() {
    const TacWorkBitmap& frame = *provider->SkinData().FCacheBmp;
    auto image = NewWorkBitmap(frame);
    CopyPixels(*image, {0, 0}, frame, frame.BoundsRect());
    PremultiplyAlpha(*image);
    const int32_t x = provider->OffsetX(), y = provider->OffsetY();
    FillPixels(*image, {x, y, x + form->ClientWidth(), y + form->ClientHeight()}, 0, 0);
    return image;
  }
  static bool SamePixels(const TacWorkBitmap& a, const TacWorkBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int32_t y = 0; y < a.Height(); ++y)
      for (int32_t x = 0; x < a.Width(); ++x)
        if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    return true;
  }

  std::unique_ptr<TForm1> form;
  TsSkinProvider* provider = nullptr;
  TacErrorBoxProc previousErrorBox;
};

TEST_F(BorderWindow, ShowsTheWholeFrameWithItsShadowBehindTheForm) {
  const HWND border = Border();
  ASSERT_NE(border, nullptr);
  EXPECT_EQ(GetWindowLongPtrW(border, GWL_EXSTYLE), WS_EX_LAYERED);
  EXPECT_EQ(GetWindow(border, GW_OWNER), form->Handle());
  EXPECT_TRUE(IsSkinAwareWindow(border)) << "the attachment must never skin it";
  ASSERT_FALSE(Updates().empty());
  const LayeredUpdate& shown = Updates().back();
  EXPECT_EQ(shown.Window, border);
  EXPECT_EQ(shown.Size.cx, 298);
  EXPECT_EQ(shown.Size.cy, 166);
  const TacSkinData& skin = form->sSkinManager1->CommonSkinData();
  const TRect s = skin.FormShadowSize;
  const int32_t f = GetSystemMetrics(SM_CXFIXEDFRAME), c = GetSystemMetrics(SM_CYCAPTION);
  const RECT r = WindowRect(form->Handle());
  EXPECT_EQ(shown.At.x, r.left - (skin.ExBorderWidth + s.Left - f));
  EXPECT_EQ(shown.At.y, r.top - (s.Top + skin.ExTitleHeight - f - c));
  const RECT placed = WindowRect(border);
  EXPECT_EQ(placed.left, shown.At.x);
  EXPECT_EQ(placed.top, shown.At.y);
  EXPECT_EQ(shown.Flags, static_cast<DWORD>(ULW_ALPHA));
  EXPECT_EQ(shown.Blend.AlphaFormat, AC_SRC_ALPHA);
  EXPECT_EQ(shown.Blend.SourceConstantAlpha, 255);
  const TacWorkBitmap& image = *shown.Image;
  bool premultiplied = true, translucent = false;
  for (int32_t y = 0; y < image.Height(); ++y)
    for (int32_t x = 0; x < image.Width(); ++x) {
      const TacPixel p = image.Pixel(x, y);
      premultiplied = premultiplied && Red(p) <= Alpha(p) && Green(p) <= Alpha(p) && Blue(p) <= Alpha(p);
      translucent = translucent || (Alpha(p) > 0 && Alpha(p) < 255);
    }
  EXPECT_TRUE(premultiplied);
  EXPECT_TRUE(translucent) << "the outer shadow";
  EXPECT_TRUE(SamePixels(image, *Expected()));
  // The form shows its client area alone; the border window has a hole there.
  const int32_t x = provider->OffsetX(), y = provider->OffsetY();
  EXPECT_FALSE(PtInRegion(provider->BorderForm()->MakeRgn(), x + 10, y + 10));
  EXPECT_TRUE(PtInRegion(provider->BorderForm()->MakeRgn(), x + 10, y - 10));
}

TEST_F(BorderWindow, ItsShadowLetsThePointerThroughAndItsFrameActsAsTheFormsOwn) {
  const HWND border = Border();
  const RECT b = WindowRect(border);
  const TRect s = provider->ShadowSize();
  const TRect close = provider->ButtonClose.cpRect;
  const auto at = [&](int32_t x, int32_t y) { return MAKELPARAM(b.left + x, b.top + y); };
  EXPECT_EQ(SendMessageW(border, WM_NCHITTEST, 0, at(s.Left / 2, s.Top + 10)), HTTRANSPARENT);
  EXPECT_EQ(SendMessageW(border, WM_NCHITTEST, 0, at(60, s.Top + 10)), 19);
  const LPARAM closeCentre = at((close.Left + close.Right) / 2, (close.Top + close.Bottom) / 2);
  SendMessageW(border, WM_NCMOUSEMOVE, 19, closeCentre);
  EXPECT_EQ(provider->CurrentHT, HTCLOSE);
  EXPECT_EQ(provider->ButtonClose.cpState, 1);

  // The shadow is this window's client: the next event there goes to the window below, through one hole only.
  SendMessageW(border, WM_MOUSEMOVE, 0, MAKELPARAM(3, 40));
  SendMessageW(border, WM_MOUSEMOVE, 0, MAKELPARAM(4, 60));
  const TacScopedRegion region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(border, region.Get()), ERROR);
  EXPECT_TRUE(PtInRegion(region.Get(), 3, 40)) << "the first hole was filled again";
  EXPECT_FALSE(PtInRegion(region.Get(), 4, 60));

  SendMessageW(border, WM_NCLBUTTONDOWN, 19, closeCentre);
  EXPECT_EQ(provider->ButtonClose.cpState, 2);
  SendMessageW(border, WM_NCLBUTTONUP, 19, closeCentre);
  Pump();
  EXPECT_FALSE(IsWindowVisible(form->Handle())) << "released over the close button, the window closes";
}

TEST_F(BorderWindow, DeactivatedItShowsTheInactiveFrameAndMovedItOnlyMoves) {
  const std::shared_ptr<TacWorkBitmap> active = OwnUpdates().back().Image;
  TForm other(nullptr);
  other.SetBounds(600, 400, 200, 100);
  other.Show();
  SetForegroundWindow(other.Handle());
  SetActiveWindow(other.Handle());
  Pump();
  ASSERT_EQ(provider->FormActive, 0);
  const std::shared_ptr<TacWorkBitmap> shown = OwnUpdates().back().Image;
  const TacWorkBitmap& inactive = *shown;
  EXPECT_FALSE(SamePixels(inactive, *active));
  EXPECT_TRUE(SamePixels(inactive, *Expected()));

  const size_t before = OwnUpdates().size();
  const RECT from = WindowRect(Border());
  const RECT r = WindowRect(form->Handle());
  SetWindowPos(form->Handle(), nullptr, r.left + 30, r.top + 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Pump();
  EXPECT_EQ(OwnUpdates().size(), before) << "a move puts no new image on the border window";
  const RECT to = WindowRect(Border());
  EXPECT_EQ(to.left - from.left, 30);
  EXPECT_EQ(to.top - from.top, 20);
}

TEST_F(BorderWindow, MinimisedTheFormHasNoneAndRestoredItGetsOneAgain) {
  ShowWindow(form->Handle(), SW_MINIMIZE);
  Pump();
  EXPECT_EQ(Border(), nullptr);
  EXPECT_TRUE(LayeredWindowsOfProcess().empty());
  const size_t before = Updates().size();
  ShowWindow(form->Handle(), SW_RESTORE);
  Pump();
  ASSERT_NE(Border(), nullptr);
  EXPECT_TRUE(IsWindowVisible(Border()));
  EXPECT_GT(Updates().size(), before) << "the new window gets the frame's image";
}

TEST_F(BorderWindow, HiddenOrClosedTheFormLeavesNoLayeredWindowBehind) {
  form->Hide();
  Pump();
  EXPECT_TRUE(LayeredWindowsOfProcess().empty());
  form->Show();
  Pump();
  EXPECT_EQ(LayeredWindowsOfProcess().size(), 1u);
  form->Close();
  Pump();
  form.reset();
  EXPECT_TRUE(LayeredWindowsOfProcess().empty());
}

TEST_F(BorderWindow, ShowHideActivateMinimiseAndRestoreLeaveTheHandleCountsWhereTheyWere) {
  // The recorder keeps every image it saw; here only the program's own objects count.
  SetUpdateLayeredWindowProc(SystemUpdateLayeredWindowProc());
  Updates().clear();
  TForm other(nullptr);
  other.SetBounds(600, 400, 200, 100);
  other.Show();
  const auto cycle = [&] {
    form->Hide();
    Pump();
    form->Show();
    SetForegroundWindow(other.Handle());
    Pump();
    SetForegroundWindow(form->Handle());
    Pump();
    ShowWindow(form->Handle(), SW_MINIMIZE);
    Pump();
    ShowWindow(form->Handle(), SW_RESTORE);
    Pump();
  };
  // The first rounds make what is made once (fonts, brushes, caches).
  for (int i = 0; i < 3; ++i) cycle();
  const DWORD gdi = GdiObjects(), user = UserObjects();
  ASSERT_GT(gdi, 0u);
  ASSERT_GT(user, 0u);
  const size_t windows = LayeredWindowsOfProcess().size();
  for (int i = 0; i < 200; ++i) cycle();
  EXPECT_EQ(GdiObjects(), gdi);
  EXPECT_EQ(UserObjects(), user);
  EXPECT_EQ(LayeredWindowsOfProcess().size(), windows);
}

}  // namespace
