// The menu painter: item sizes from the skin's menu metrics at two
// resolutions, and hooking that never takes an item's own handlers away.
#include <string>
#include <vector>

#include "FormsFixture.h"
#include "base/WinHandles.h"
#include "forms/SkinableMenus.h"
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

}  // namespace
