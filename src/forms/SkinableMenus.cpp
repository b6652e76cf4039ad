#include "forms/SkinableMenus.h"

#include <algorithm>
#include <memory>
#include <string_view>

#include "base/StrUtils.h"
#include "forms/CornerRegion.h"
#include "framework/Screen.h"
#include "framework/WindowGeometry.h"
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

// The popup menu window a device context draws on, or null.
HWND PopupWindowOf(HDC DC) {
  const HWND window = WindowFromDC(DC);
  wchar_t name[16] = {};
  return window && GetClassNameW(window, name, 16) && std::wstring_view(name) == L"#32768" ? window : nullptr;
}

std::string IcoLineSection(TsSkinManager& Manager) {
  const std::string& name = Manager.MenuSupport().IcoLineSkin;
  return name.empty() ? "ICOLINE" : name;
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

TsSkinableMenus::TsSkinableMenus(TsSkinManager& Manager) : TComponent(&Manager), FManager(Manager) {}

TsSkinableMenus& SkinableMenusOf(TsSkinManager& Manager) {
  for (size_t i = 0; i < Manager.ComponentCount(); ++i)
    if (auto* painter = dynamic_cast<TsSkinableMenus*>(Manager.Components(i))) return *painter;
  return *new TsSkinableMenus(Manager);
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
    // The system's font is already at the screen's resolution.
    Canvas.Font().SetHeight(MulDiv(font.lfHeight, PPI, Screen().PixelsPerInch()));
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

// The divider's image at its own height, centred on the item's middle row:
// an item of two pixels shows the image's middle rows, its line.
void DrawDividerLine(TacWorkBitmap& Item, const TacWorkBitmap& Background, int32_t Left, int32_t Right,
                     const TacSkinData& Skin) {
  if (Right <= Left) return;
  const int32_t index = Skin.GetSkinIndex("DIVIDER");
  const TsGeneralData* divider = SectionOf(Skin, index);
  const int32_t h = Item.Height(), middle = h / 2;
  if (!divider || !Skin.IsValidImgIndex(divider->BorderIndex)) {
    FillPixels(Item, {Left, middle, Right, middle + 1}, ColorToRGB(clBtnShadow), 255);
    return;
  }
  const int32_t height = Skin.ma[static_cast<size_t>(divider->BorderIndex)].Height, width = Right - Left;
  const int32_t top = middle - height / 2;
  const int32_t first = std::max(0, -top), last = std::min(height, h - top);
  TacWorkBitmap under(width, height), strip(width, height);
  if (under.Empty() || first >= last) return;
  CopyPixels(under, {0, first}, Background, {Left, top + first, Right, top + last});
  PaintSection(index, ParentBGFromBitmap(&under, 0, 0), &Skin, &strip, {0, 0}, {0, 0, width, height}, 0);
  CopyPixels(Item, {Left, top + first}, strip, {0, first, width, last});
}

// How far the skin's border reaches into the popup: its border image's
// left width (1 to 3), else what its rounded corners take.
int32_t SkinBorderWidthOf(const TacSkinData& Skin, const TsGeneralData& Menu) {
  if (Skin.IsValidImgIndex(Menu.BorderIndex))
    return std::clamp<int32_t>(Skin.ma[static_cast<size_t>(Menu.BorderIndex)].WL, 1, 3);
  return std::max(Menu.BorderRadius / 2 - 4, 0);
}

void TsSkinableMenus::PaintPopupBackground(TacPopupInfo& Info, int32_t FirstItemLeft, int32_t PPI) {
  TacWorkBitmap& bitmap = *Info.Background;
  const TacSkinData& skin = FManager.CommonSkinData(PPI);
  const TRect all{0, 0, bitmap.Width(), bitmap.Height()};
  const int32_t menuIndex = skin.GetSkinIndex("MAINMENU");
  const TsGeneralData* menu = SectionOf(skin, menuIndex);
  const int32_t margin = MulDiv(Margin, PPI, 96), spacing = MulDiv(Spacing, PPI, 96);
  const int32_t border = menu ? SkinBorderWidthOf(skin, *menu) : 0;
  // The column runs from the border to where the first item's own column ends, however far the system set its items in.
  Info.ColumnLeft = border;
  Info.ColumnRight = std::max(FirstItemLeft, border) + GlyphSize(PPI) + margin + spacing;
  if (!menu) {
    bitmap.Fill(MakePixel(255, 255, 255, 255));
    return;
  }
  // A clear parent: what the section's corners leave out stays transparent and out of the window's region.
  TacWorkBitmap clear(bitmap.Width(), bitmap.Height());
  const TacParentBG parent = ParentBGFromBitmap(&clear, 0, 0);
  PaintSection(menuIndex, parent, &skin, &bitmap, {0, 0}, all, 0);
  if (const int32_t index = skin.GetSkinIndex(IcoLineSection(FManager)); SectionOf(skin, index))
    PaintSectionBackground(index, TacParentBG{}, 0, {Info.ColumnLeft, border, Info.ColumnRight, all.Bottom - border},
                           {0, 0}, bitmap, skin, -1, -1, clFuchsia);
  // The border lies over the column.
  if (skin.IsValidImgIndex(menu->BorderIndex))
    PaintBorderImage(bitmap, all, parent, true, 0, skin.ma[static_cast<size_t>(menu->BorderIndex)], skin);
  else
    PaintColorBorder(bitmap, all, *menu, false, PPI, nullptr, parent, 0, skin);
}

TsSkinableMenus::TacPopupInfo* TsSkinableMenus::PopupFor(HWND Popup, const RECT& Item, int32_t PPI) {
  std::erase_if(FPopups, [](const auto& entry) { return !IsWindow(entry.first); });
  RECT window{};
  if (!GetWindowRect(Popup, &window)) return nullptr;
  const int32_t w = window.right - window.left, h = window.bottom - window.top;
  TacPopupInfo& info = FPopups[Popup];
  if (info.Background && info.Background->Width() == w && info.Background->Height() == h) return &info;
  info.Background = std::make_unique<TacWorkBitmap>(w, h);
  if (info.Background->Empty()) {
    FPopups.erase(Popup);
    return nullptr;
  }
  const RECT client = ClientRectInWindow(Popup);
  info.ClientOrigin = {client.left, client.top};
  info.Items.clear();
  PaintPopupBackground(info, info.ClientOrigin.x + Item.left, PPI);
  DrawWndBorder(Popup, *info.Background);
  return &info;
}

const TacWorkBitmap* TsSkinableMenus::PopupBackground(HWND Popup) const {
  const auto it = FPopups.find(Popup);
  return it == FPopups.end() ? nullptr : it->second.Background.get();
}

void TsSkinableMenus::DrawWndBorder(HWND Popup, const TacWorkBitmap& MenuBmp) {
  SetWindowRgn(Popup, CornerCutRegion(MenuBmp), FALSE);
  PaintNonClient(Popup, MenuBmp);
}

void TsSkinableMenus::PaintPopupNonClient(HWND Popup) {
  if (const TacWorkBitmap* background = PopupBackground(Popup)) PaintNonClient(Popup, *background);
}

void TsSkinableMenus::PaintNonClient(HWND Popup, const TacWorkBitmap& MenuBmp) {
  const RECT client = ClientRectInWindow(Popup);
  if (client.left == 0 && client.top == 0 && client.right >= MenuBmp.Width() && client.bottom >= MenuBmp.Height())
    return;
  const HDC dc = GetWindowDC(Popup);
  if (!dc) return;
  ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
  GdiFlush();
  BitBlt(dc, 0, 0, MenuBmp.Width(), MenuBmp.Height(), WorkBitmapDC(MenuBmp), 0, 0, SRCCOPY);
  ReleaseDC(Popup, dc);
}

bool TsSkinableMenus::PaintPopupMargins(HWND Popup, HDC ClientDC) {
  const auto it = FPopups.find(Popup);
  if (it == FPopups.end() || it->second.Items.empty()) return false;
  const TacPopupInfo& info = it->second;
  RECT client{};
  GetClientRect(Popup, &client);
  const int saved = SaveDC(ClientDC);
  for (const RECT& item : info.Items) ExcludeClipRect(ClientDC, item.left, item.top, item.right, item.bottom);
  GdiFlush();
  BitBlt(ClientDC, 0, 0, client.right, client.bottom, WorkBitmapDC(*info.Background), info.ClientOrigin.x,
         info.ClientOrigin.y, SRCCOPY);
  RestoreDC(ClientDC, saved);
  return true;
}

void TsSkinableMenus::Draw(const TMenuItem& Item, TCanvas& Canvas, const RECT& Rect, UINT State, int32_t PPI) {
  const TacSkinData& skin = FManager.CommonSkinData(PPI);
  const int32_t w = Rect.right - Rect.left, h = Rect.bottom - Rect.top;
  if (w <= 0 || h <= 0) return;
  TacWorkBitmap item(w, h);
  const TRect all{0, 0, w, h};
  const int32_t margin = MulDiv(Margin, PPI, 96), spacing = MulDiv(Spacing, PPI, 96), glyph = GlyphSize(PPI);
  TRect column{0, 0, glyph + margin + spacing, h};
  const HWND popup = FPainting ? FPainting : PopupWindowOf(Canvas.Handle());
  if (TacPopupInfo* info = popup ? PopupFor(popup, Rect, PPI) : nullptr) {
    const int32_t x = info->ClientOrigin.x + Rect.left, y = info->ClientOrigin.y + Rect.top;
    CopyPixels(item, {0, 0}, *info->Background, {x, y, x + w, y + h});
    column = {info->ColumnLeft - x, 0, info->ColumnRight - x, h};
    const auto same = [&Rect](const RECT& r) { return EqualRect(&r, &Rect) != FALSE; };
    if (std::none_of(info->Items.begin(), info->Items.end(), same)) info->Items.push_back(Rect);
  } else {
    // Drawn outside a menu window: each item on its own piece of the menu's background.
    const int32_t menuIndex = skin.GetSkinIndex("MAINMENU");
    if (SectionOf(skin, menuIndex))
      PaintSectionBackground(menuIndex, TacParentBG{}, 0, all, {0, 0}, item, skin, -1, -1, clFuchsia);
    else
      item.Fill(MakePixel(255, 255, 255, 255));
    if (const int32_t index = skin.GetSkinIndex(IcoLineSection(FManager)); SectionOf(skin, index))
      PaintSectionBackground(index, TacParentBG{}, 0, column, {0, 0}, item, skin, -1, -1, clFuchsia);
  }
  TacWorkBitmap background(w, h);
  CopyPixels(background, {0, 0}, item, all);
  const bool enabled = Item.Enabled() && !(State & (ODS_DISABLED | ODS_GRAYED));
  const bool selected = enabled && (State & ODS_SELECTED);
  if (MenuItemKind(Item) == TacMenuItemKind::Divider) {
    DrawDividerLine(item, background, column.Right + spacing, w - margin, skin);
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
      DrawMark(Item, item, column, color, enabled, PPI);
      // The menu's device context takes the item as it is: GDI text needs no alpha here.
      canvas.Brush.Style = TBrushStyle::bsClear;
      const UINT flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | DT_NOCLIP;
      RECT text{column.Right + margin, margin, w - kShortCutRight, h - margin};
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
