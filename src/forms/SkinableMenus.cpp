#include "forms/SkinableMenus.h"

#include <algorithm>
#include <map>
#include <memory>

#include "base/StrUtils.h"
#include "graphics/BitmapCopy.h"
#include "graphics/BlockCopy.h"
#include "graphics/PixelFill.h"
#include "graphics/StandardGlyphsWin.h"
#include "graphics/ParentBG.h"
#include "graphics/WorkBitmapDib.h"
#include "manager/SkinManager.h"
#include "paint/SkinPaint.h"
#include "skin/SkinData.h"

namespace {

// Text is measured in a box this wide, wrapping allowed.
constexpr int32_t kMeasureWidth = 800;
// The shortcut ends this far from the item's right edge.
constexpr int32_t kShortCutRight = 8;

const TsGeneralData* SectionOf(const TacSkinData& Skin, int32_t Index) {
  return Skin.IsValidSkinIndex(Index) ? &Skin.gd[static_cast<size_t>(Index)] : nullptr;
}

std::string TextOf(const TMenuItem& Item) {
  return Item.ShortCutText().empty() ? Item.Caption() : Item.Caption() + "\t" + Item.ShortCutText();
}

}  // namespace

TacMenuItemKind MenuItemKind(const TMenuItem& Item) {
  const std::string& caption = Item.Caption();
  if (caption == "-") return TacMenuItemKind::Divider;
  if (caption.size() > 1 && caption.front() == '-' && caption.back() == '-') return TacMenuItemKind::Caption;
  return TacMenuItemKind::Normal;
}

TsSkinableMenus& SkinableMenusOf(TsSkinManager& Manager) {
  static std::map<const TsSkinManager*, std::unique_ptr<TsSkinableMenus>> painters;
  std::unique_ptr<TsSkinableMenus>& painter = painters[&Manager];
  if (!painter) painter = std::make_unique<TsSkinableMenus>(Manager);
  return *painter;
}

void TsSkinableMenus::HookPopupMenu(TPopupMenu& Menu, bool Active, int32_t PPI) {
  const bool on = Active && FManager.IsActive();
  Menu.SetOwnerDraw(on && FManager.SkinnedPopups());
  for (size_t i = 0; i < Menu.Items().Count(); ++i) HookItem(*Menu.Items().Items(i), on, PPI);
}

void TsSkinableMenus::HookItem(TMenuItem& Item, bool Active, int32_t PPI) {
  if (Active && !Item.OnMeasureItem && !Item.OnDrawItem) {
    Item.OnMeasureItem = [this, PPI](TObject* Sender, TCanvas& Canvas, int32_t& Width, int32_t& Height) {
      Measure(*static_cast<TMenuItem*>(Sender), Canvas, PPI, Width, Height);
    };
    Item.OnDrawItem = [this, PPI](TObject* Sender, TCanvas& Canvas, const RECT& Rect, UINT State) {
      Draw(*static_cast<TMenuItem*>(Sender), Canvas, Rect, State, PPI);
    };
    FHooked.insert(&Item);
  } else if (!Active && FHooked.erase(&Item)) {
    Item.OnMeasureItem = nullptr;
    Item.OnDrawItem = nullptr;
  }
  for (size_t i = 0; i < Item.Count(); ++i) HookItem(*Item.Items(i), Active, PPI);
}

void TsSkinableMenus::UseItemFont(const TMenuItem& Item, TCanvas& Canvas, int32_t PPI) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  const bool caption = MenuItemKind(Item) == TacMenuItemKind::Caption;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    const LOGFONTW& font = caption ? metrics.lfCaptionFont : metrics.lfMenuFont;
    Canvas.Font().SetName(WideToUtf8(font.lfFaceName));
    Canvas.Font().SetHeight(MulDiv(font.lfHeight, PPI, 96));
  }
  Canvas.Font().SetStyle(Item.Default() ? TFontStyles{TFontStyle::fsBold} : TFontStyles{});
}

bool TsSkinableMenus::MenuSectionHasBorder() {
  const TacSkinData& skin = FManager.CommonSkinData();
  const TsGeneralData* menu = SectionOf(skin, skin.GetSkinIndex("MAINMENU"));
  return menu && (skin.IsValidImgIndex(menu->BorderIndex) || menu->BorderRadius > 0);
}

void TsSkinableMenus::Measure(const TMenuItem& Item, TCanvas& Canvas, int32_t PPI, int32_t& Width, int32_t& Height) {
  const int32_t margin = MulDiv(Margin, PPI, 96), spacing = MulDiv(Spacing, PPI, 96);
  const int32_t border = MulDiv(BorderWidth, PPI, 96), glyph = GlyphSize(PPI);
  const TacMenuItemKind kind = MenuItemKind(Item);
  if (kind == TacMenuItemKind::Divider) {
    Width = 1;
    Height = 2;
    return;
  }
  UseItemFont(Item, Canvas, PPI);
  RECT text{0, 0, kMeasureWidth, 0};
  Canvas.DrawText(TextOf(Item), text, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
  const int32_t textHeight = text.bottom - text.top, textWidth = text.right - text.left;
  Height = kind == TacMenuItemKind::Caption ? textHeight + 2 * margin + 3 : std::max(textHeight, glyph) + 2 * margin + 2;
  Width = 2 * glyph + textWidth + 3 * margin + spacing - (MenuSectionHasBorder() ? 0 : 2 * border);
}

// The check mark of a checked item, else the built-in glyph of a system
// command, centred in the icon column.
void TsSkinableMenus::DrawMark(const TMenuItem& Item, TacWorkBitmap& Bitmap, const TRect& Column, TColor Color,
                               bool Enabled, int32_t PPI) {
  const TacSkinData& skin = FManager.CommonSkinData(PPI);
  int32_t glyph = -1;
  if (Item.Checked()) {
    const char* maskName = Item.RadioItem() ? "RADIOCHECKED" : "CHECK";
    int32_t mask = skin.GetMaskIndex(skin.GetSkinIndex("MAINMENU"), maskName);
    if (!skin.IsValidImgIndex(mask)) mask = skin.GetMaskIndex("GLOBALINFO", maskName);
    if (skin.IsValidImgIndex(mask)) {
      const TsMaskData& image = skin.ma[static_cast<size_t>(mask)];
      const int32_t states = std::max<int32_t>(image.ImageCount, 1);
      DrawSkinImage(Bitmap,
                    {Column.Left + (Column.Width() - image.Width) / 2, Column.Top + (Column.Height() - image.Height) / 2},
                    Enabled ? 0 : std::min(1, states - 1), ParentBGFromBitmap(&Bitmap, 0, 0), image, 1, skin);
      return;
    }
    glyph = Item.RadioItem() ? sgRadioMark : sgCheckMark;
  } else if (Item.Tag() >= 0xF000 && Item.Tag() <= 0xF1FF) {
    glyph = StandardGlyphOfSysCommand(static_cast<UINT>(Item.Tag()));
  }
  if (glyph < 0) return;
  TsCharImageList& glyphs = StandardGlyphs();
  glyphs.PPI = PPI;
  glyphs.Draw(Bitmap, Column, glyph, Color);
}

void TsSkinableMenus::Draw(const TMenuItem& Item, TCanvas& Canvas, const RECT& Rect, UINT State, int32_t PPI) {
  const TacSkinData& skin = FManager.CommonSkinData(PPI);
  const int32_t w = Rect.right - Rect.left, h = Rect.bottom - Rect.top;
  if (w <= 0 || h <= 0) return;
  TacWorkBitmap item(w, h);
  const TRect all{0, 0, w, h};
  const int32_t menuIndex = skin.GetSkinIndex("MAINMENU");
  if (SectionOf(skin, menuIndex))
    PaintSectionBackground(menuIndex, TacParentBG{}, 0, all, {0, 0}, item, skin, -1, -1, clFuchsia);
  else
    item.Fill(MakePixel(255, 255, 255, 255));
  const int32_t margin = MulDiv(Margin, PPI, 96), spacing = MulDiv(Spacing, PPI, 96), glyph = GlyphSize(PPI);
  const int32_t column = glyph + margin + spacing;
  const std::string icoLine = FManager.MenuSupport().IcoLineSkin.empty() ? "ICOLINE" : FManager.MenuSupport().IcoLineSkin;
  if (const int32_t index = skin.GetSkinIndex(icoLine); SectionOf(skin, index))
    PaintSectionBackground(index, TacParentBG{}, 0, {0, 0, column, h}, {0, 0}, item, skin, -1, -1, clFuchsia);
  TacWorkBitmap background(w, h);
  CopyPixels(background, {0, 0}, item, all);
  const bool enabled = Item.Enabled() && !(State & (ODS_DISABLED | ODS_GRAYED));
  const bool selected = enabled && (State & ODS_SELECTED);
  if (MenuItemKind(Item) == TacMenuItemKind::Divider) {
    const int32_t index = skin.GetSkinIndex("DIVIDER");
    const TsGeneralData* divider = SectionOf(skin, index);
    const TRect line{column + spacing, h / 2 - 1, w - margin, h / 2 + 1};
    if (divider && skin.IsValidImgIndex(divider->BorderIndex))
      PaintSection(index, ParentBGFromBitmap(&background, 0, 0), &skin, &item, {0, 0}, line, 0);
    else
      FillPixels(item, {line.Left, h / 2, line.Right, h / 2 + 1}, ColorToRGB(clBtnShadow), 255);
  } else {
    const int32_t itemIndex = skin.GetSkinIndex("MENUITEM");
    const TsGeneralData* section = SectionOf(skin, itemIndex);
    // The item's section lies over the menu's background, which shows through its transparent parts.
    if (section && (selected || section->Props[0].Transparency < 100))
      PaintSection(itemIndex, ParentBGFromBitmap(&background, 0, 0), &skin, &item, {0, 0}, all, selected ? 1 : 0);
    {
      TCanvas canvas;
      canvas.SetHandle(WorkBitmapDC(item));
      UseItemFont(Item, canvas, PPI);
      const int32_t state = selected ? 1 : 0;
      const TColor color = section ? section->Props[static_cast<size_t>(PropsState(*section, state))].FontColor.Color
                                   : clMenuText;
      canvas.Font().SetColor(color);
      GdiFlush();
      DrawMark(Item, item, {0, 0, column, h}, color, enabled, PPI);
      // The menu's device context takes the item as it is: GDI text needs no alpha here.
      canvas.Brush.Style = TBrushStyle::bsClear;
      const UINT flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | DT_NOCLIP;
      RECT text{column + margin, margin, w - kShortCutRight, h - margin};
      canvas.DrawText(Item.Caption(), text, flags | DT_LEFT);
      if (!Item.ShortCutText().empty()) canvas.DrawText(Item.ShortCutText(), text, flags | DT_RIGHT);
      canvas.SetHandle(nullptr);
    }
  }
  // Disabled, the item lies half into the background.
  if (!enabled) BlendBitmap(item, background, 127, {0, 0}, {0, 0, w - 1, h - 1});
  GdiFlush();
  BitBlt(Canvas.Handle(), Rect.left, Rect.top, w, h, WorkBitmapDC(item), 0, 0, SRCCOPY);
}
