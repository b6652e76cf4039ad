#pragma once
#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

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
class TsSkinableMenus : public TComponent {
 public:
  // Owned by the manager, and gone with it.
  explicit TsSkinableMenus(TsSkinManager& Manager);

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

  // The picture of a whole popup window, made on its first drawn item:
  // "MAINMENU" with its border and the icon column. Items are cut from it,
  // its border is the window's border.
  const TacWorkBitmap* PopupBackground(HWND Popup) const;
  // Gives the popup the region of its background without transparent
  // corner pixels and paints its non-client area from the background.
  void DrawWndBorder(HWND Popup, const TacWorkBitmap& MenuBmp);
  // Paints the popup's non-client area from its background again, if it has one.
  void PaintPopupNonClient(HWND Popup);
  // The system draws a popup's client into a memory context (the menu
  // window's adapter asks it to, to paint without flicker); between these,
  // items drawn into any context belong to that popup.
  void BeginPopupPaint(HWND Popup) { FPainting = Popup; }
  void EndPopupPaint() { FPainting = nullptr; }
  // Paints what the items of a popup drawn by the painter leave of its client
  // (the margins the system draws in its own colours) from the background.
  // False for a popup without such items: its menu is not the painter's.
  bool PaintPopupMargins(HWND Popup, HDC ClientDC);
  void ForgetPopup(HWND Popup) { FPopups.erase(Popup); }

 private:
  struct TacPopupInfo {
    std::unique_ptr<TacWorkBitmap> Background;
    POINT ClientOrigin{};  // the client's top-left corner in the window
    int32_t ColumnLeft = 0, ColumnRight = 0;  // the icon column, in the window
    std::vector<RECT> Items;
  };
  TacPopupInfo* PopupFor(HWND Popup, const RECT& Item, int32_t PPI);
  void PaintPopupBackground(TacPopupInfo& Info, int32_t FirstItemLeft, int32_t PPI);
  void PaintNonClient(HWND Popup, const TacWorkBitmap& MenuBmp);
  bool MenuSectionHasBorder();
  void DrawMark(const TMenuItem& Item, TacWorkBitmap& Bitmap, const TRect& Column, TColor Color, bool Enabled,
                int32_t PPI);

  TsSkinManager& FManager;
  std::unordered_set<const TMenuItem*> FHooked;
  std::map<HWND, TacPopupInfo> FPopups;
  HWND FPainting = nullptr;
};

// The painter of a manager, made on first use.
TsSkinableMenus& SkinableMenusOf(TsSkinManager& Manager);
