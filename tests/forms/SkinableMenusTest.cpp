// The menu painter: item sizes from the skin's menu metrics at two
// resolutions, and hooking that never takes an item's own handlers away.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "FormsFixture.h"
#include "base/WinHandles.h"
#include "forms/SkinableMenus.h"
#include "forms/WindowAdapters.h"
#include "graphics/BlockCopy.h"
#include "graphics/WorkBitmapDib.h"
#include "skin/SkinData.h"

namespace {

using SkinableMenus = FormsFixture;

// The text block of an item as the system measures it with the item's font.
SIZE TextBlock(TsSkinableMenus& painter, const TMenuItem& item, int32_t ppi) {
  const TacWindowDC screen(nullptr);
  TCanvas canvas;
  canvas.SetHandle(screen.Get());
  painter.UseItemFont(item, canvas, ppi);
  RECT r{0, 0, 800, 0};
  const std::string text = item.ShortCutText().empty() ? item.Caption() : item.Caption() + "\t" + item.ShortCutText();
  canvas.DrawText(text, r, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
  canvas.SetHandle(nullptr);
  return {r.right - r.left, r.bottom - r.top};
}

TEST_F(SkinableMenus, ItemsAreAsLargeAsTheirTextGlyphColumnAndMarginsAt96And144PPI) {
  TsSkinableMenus& painter = SkinableMenusOf(*manager);
  const TacSkinData& skin = manager->CommonSkinData();
  const TsGeneralData& menu = skin.gd[static_cast<size_t>(skin.GetSkinIndex("MAINMENU"))];
  const bool framed = skin.IsValidImgIndex(menu.BorderIndex) || menu.BorderRadius > 0;
  TMenuItem close;
  close.SetCaption("&Close");
  close.SetShortCutText("Alt+F4");
  TMenuItem divider;
  divider.SetCaption("-");
  TMenuItem title;
  title.SetCaption("-Skins-");
  for (const int32_t ppi : {96, 144}) {
    const int32_t margin = MulDiv(2, ppi, 96), spacing = MulDiv(8, ppi, 96), border = MulDiv(3, ppi, 96);
    const int32_t glyph = MulDiv(16, ppi, 96);
    const TacWindowDC screen(nullptr);
    TCanvas canvas;
    canvas.SetHandle(screen.Get());
    int32_t width = 0, height = 0;
    painter.Measure(close, canvas, ppi, width, height);
    const SIZE text = TextBlock(painter, close, ppi);
    EXPECT_EQ(height, std::max<int32_t>(text.cy, glyph) + 2 * margin + 2) << ppi;
    EXPECT_EQ(width, 2 * glyph + text.cx + 3 * margin + spacing - (framed ? 0 : 2 * border)) << ppi;
    painter.Measure(divider, canvas, ppi, width, height);
    EXPECT_EQ(width, 1);
    EXPECT_EQ(height, 2) << "a divider is two pixels high";
    painter.Measure(title, canvas, ppi, width, height);
    EXPECT_EQ(height, TextBlock(painter, title, ppi).cy + 2 * margin + 3) << ppi;
    canvas.SetHandle(nullptr);
  }
}

TEST_F(SkinableMenus, HookingKeepsAnItemsOwnHandlersAndUnhookingRemovesOnlyThePainters) {
  TsSkinableMenus& painter = SkinableMenusOf(*manager);
  TPopupMenu menu(nullptr);
  TMenuItem& plain = menu.Items().Add("Plain");
  TMenuItem& own = menu.Items().Add("Own");
  int ownDraws = 0;
  own.OnDrawItem = [&](TObject*, TCanvas&, const RECT&, UINT) { ++ownDraws; };
  TMenuItem& nested = menu.Items().Add("Sub").Add("Nested");
  painter.HookPopupMenu(menu, true, 96);
  EXPECT_TRUE(menu.OwnerDraw());
  EXPECT_TRUE(plain.OnDrawItem && plain.OnMeasureItem);
  EXPECT_TRUE(nested.OnDrawItem) << "sub-items are hooked too";
  painter.HookPopupMenu(menu, false, 96);
  EXPECT_FALSE(plain.OnDrawItem || plain.OnMeasureItem);
  ASSERT_TRUE(own.OnDrawItem);
  TCanvas canvas;
  own.OnDrawItem(&own, canvas, RECT{}, 0);
  EXPECT_EQ(ownDraws, 1);
}

// The icon column of an item drawn at 96 PPI, 80 x 22.
std::vector<TacPixel> IconColumn(TsSkinableMenus& painter, const TMenuItem& item) {
  TacWorkBitmap target(80, 22);
  TCanvas canvas;
  canvas.SetHandle(WorkBitmapDC(target));
  painter.Draw(item, canvas, {0, 0, 80, 22}, 0, 96);
  canvas.SetHandle(nullptr);
  GdiFlush();
  std::vector<TacPixel> column;
  for (int32_t y = 0; y < 22; ++y)
    for (int32_t x = 0; x < 20; ++x) column.push_back(target.Pixel(x, y) & 0xFFFFFFu);
  return column;
}

TEST_F(SkinableMenus, SystemCommandsAndCheckedItemsShowAMarkInTheIconColumn) {
  TsSkinableMenus& painter = SkinableMenusOf(*manager);
  TMenuItem plain, close, checked;
  plain.SetCaption("Plain");
  close.SetCaption("Close");
  close.SetTag(SC_CLOSE);
  checked.SetCaption("Checked");
  checked.SetChecked(true);
  const std::vector<TacPixel> empty = IconColumn(painter, plain);
  EXPECT_NE(IconColumn(painter, close), empty) << "the built-in close glyph";
  EXPECT_NE(IconColumn(painter, checked), empty) << "the check mark";
}

// What a shown popup menu window held while its menu loop ran.
struct ShownPopup {
  HWND Window = nullptr;
  RECT WindowRect{};
  POINT ClientOrigin{};  // on the screen
  HWND ActiveWindow = nullptr;
  bool Adapted = false;
  std::unique_ptr<TacWorkBitmap> Background;
  std::unique_ptr<TacWorkBitmap> Margins;  // the client, magenta where the margins were not painted
};

std::function<void()>& TimerAction() {
  static std::function<void()> action;
  return action;
}

void CALLBACK RunTimerAction(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (TimerAction()) TimerAction()();
}

BOOL CALLBACK FindPopupWindow(HWND window, LPARAM found) {
  wchar_t name[16] = {};
  if (IsWindowVisible(window) && GetClassNameW(window, name, 16) && std::wstring_view(name) == L"#32768") {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

TEST_F(SkinableMenus, AShownPopupIsPaintedFromOnePictureOfTheWholeMenu) {
  TForm& form = NewForm();
  ShowAndActivate(form);
  TsSkinableMenus& painter = SkinableMenusOf(*manager);
  TPopupMenu menu(nullptr);
  menu.Items().Add("Move").SetTag(SC_MOVE);
  menu.Items().Add("-");
  menu.Items().Add("Close").SetShortCutText("Alt+F4");
  painter.HookPopupMenu(menu, true, 96);
  ShownPopup shown;
  TimerAction() = [&] {
    shown.ActiveWindow = GetActiveWindow();
    EnumThreadWindows(GetCurrentThreadId(), FindPopupWindow, reinterpret_cast<LPARAM>(&shown.Window));
    if (shown.Window) {
      RedrawWindow(shown.Window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
      GetWindowRect(shown.Window, &shown.WindowRect);
      ClientToScreen(shown.Window, &shown.ClientOrigin);
      for (const auto& adapter : TacAttachment::Instance().MenuAdapters())
        shown.Adapted |= adapter->Window() == shown.Window;
      if (const TacWorkBitmap* background = painter.PopupBackground(shown.Window)) {
        shown.Background = std::make_unique<TacWorkBitmap>(background->Width(), background->Height());
        CopyPixels(*shown.Background, {0, 0}, *background, {0, 0, background->Width(), background->Height()});
        RECT client{};
        GetClientRect(shown.Window, &client);
        shown.Margins = std::make_unique<TacWorkBitmap>(client.right, client.bottom);
        shown.Margins->Fill(PixelOfColor(clFuchsia));
        painter.PaintPopupMargins(shown.Window, WorkBitmapDC(*shown.Margins));
        GdiFlush();
      }
    }
    EndMenu();
  };
  // The system's own tracking runs the menu loop, which runs the timer.
  SetTimer(nullptr, 0, 10, RunTimerAction);
  menu.Popup(40, 40);
  TimerAction() = nullptr;

  ASSERT_NE(shown.Window, nullptr) << "the menu window was shown";
  EXPECT_TRUE(shown.Adapted) << "the menu window has its adapter";
  EXPECT_EQ(shown.ActiveWindow, form.Handle()) << "the form stays active while its menu is open";
  ASSERT_TRUE(shown.Background) << "the first drawn item made the menu's picture";
  const TacWorkBitmap& background = *shown.Background;
  EXPECT_EQ(background.Width(), shown.WindowRect.right - shown.WindowRect.left);
  EXPECT_EQ(background.Height(), shown.WindowRect.bottom - shown.WindowRect.top);
  const TacSkinData& skin = manager->CommonSkinData();
  const TsGeneralData& section = skin.gd[static_cast<size_t>(skin.GetSkinIndex("MAINMENU"))];
  const TsGeneralData& icoLine = skin.gd[static_cast<size_t>(skin.GetSkinIndex("ICOLINE"))];
  const int32_t h = background.Height(), w = background.Width();
  EXPECT_EQ(background.Pixel(0, h / 2), WithAlpha(PixelOfColor(section.Props[0].BorderColor), 255)) << "the border, left";
  EXPECT_EQ(background.Pixel(w - 1, h / 2), WithAlpha(PixelOfColor(section.Props[0].BorderColor), 255)) << "the border, right";
  EXPECT_EQ(background.Pixel(3, h / 2), WithAlpha(PixelOfColor(icoLine.Props[0].Color), 255)) << "the icon column";
  EXPECT_EQ(background.Pixel(w - 4, h / 2), WithAlpha(PixelOfColor(section.Props[0].Color), 255)) << "the body";

  // The margins come from the picture; the items' own pixels are left to the items.
  ASSERT_TRUE(shown.Margins);
  const POINT origin{shown.ClientOrigin.x - shown.WindowRect.left, shown.ClientOrigin.y - shown.WindowRect.top};
  int32_t margins = 0;
  for (int32_t y = 0; y < shown.Margins->Height(); ++y)
    for (int32_t x = 0; x < shown.Margins->Width(); ++x)
      if (shown.Margins->Pixel(x, y) != PixelOfColor(clFuchsia)) {
        ++margins;
        EXPECT_EQ(shown.Margins->Pixel(x, y) & 0xFFFFFFu, background.Pixel(x + origin.x, y + origin.y) & 0xFFFFFFu);
      }
  EXPECT_LT(margins, shown.Margins->Width() * shown.Margins->Height()) << "the items were left out";
  EXPECT_FALSE(IsWindow(shown.Window));
  EXPECT_TRUE(TacAttachment::Instance().MenuAdapters().empty());
  EXPECT_EQ(painter.PopupBackground(shown.Window), nullptr) << "the picture went with the window";
}

}  // namespace
