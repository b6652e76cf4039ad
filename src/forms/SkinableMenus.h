#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <unordered_set>

#include "framework/Menus.h"
#include "graphics/Color.h"
#include "graphics/Geometry.h"
#include "graphics/WorkBitmap.h"

class TsSkinManager;

// Item kinds by caption: "-" is a divider, "-text-" a caption item.
enum class TacMenuItemKind { Normal, Divider, Caption };
TacMenuItemKind MenuItemKind(const TMenuItem& Item);

// The manager's menu painter: measures and draws the items of the popup
// menus hooked into it with the skin's menu sections ("MAINMENU" behind
// everything, "MENUITEM" for the item under the pointer, "DIVIDER",
// "ICOLINE" for the icon column). Lengths are those of 96 pixels per inch,
// scaled to the resolution of the form that shows the menu.
class TsSkinableMenus {
 public:
  explicit TsSkinableMenus(TsSkinManager& Manager) : FManager(Manager) {}

  int32_t BevelWidth = 0;
  int32_t BorderWidth = 3;
  int32_t Margin = 2;
  int32_t Spacing = 8;

  // Gives every item of the menu the painter's measuring and drawing, or
  // takes them away again (only its own: items keep handlers they had).
  void HookPopupMenu(TPopupMenu& Menu, bool Active, int32_t PPI);
  void HookItem(TMenuItem& Item, bool Active, int32_t PPI);

  void Measure(const TMenuItem& Item, TCanvas& Canvas, int32_t PPI, int32_t& Width, int32_t& Height);
  void Draw(const TMenuItem& Item, TCanvas& Canvas, const RECT& Rect, UINT State, int32_t PPI);
  // The font items are measured and drawn with.
  void UseItemFont(const TMenuItem& Item, TCanvas& Canvas, int32_t PPI);
  // The glyph column of an item: 16 x 16 scaled.
  static int32_t GlyphSize(int32_t PPI) { return MulDiv(16, PPI, 96); }

 private:
  bool MenuSectionHasBorder();
  void DrawMark(const TMenuItem& Item, TacWorkBitmap& Bitmap, const TRect& Column, TColor Color, bool Enabled,
                int32_t PPI);

  TsSkinManager& FManager;
  std::unordered_set<const TMenuItem*> FHooked;
};

// The painter of a manager.
TsSkinableMenus& SkinableMenusOf(TsSkinManager& Manager);
