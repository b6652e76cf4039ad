#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/Canvas.h"
#include "framework/Classes.h"

class TMenuItem;

// Lets an item size itself (Width and Height come in with the default size)
// and draw itself (State holds the ODS_ flags of the system).
using TMenuMeasureItemEvent = std::function<void(TObject* Sender, TCanvas& Canvas, int32_t& Width, int32_t& Height)>;
using TMenuDrawItemEvent = std::function<void(TObject* Sender, TCanvas& Canvas, const RECT& Rect, UINT State)>;

// One entry of a menu: a command, a divider (caption "-") or, with
// sub-items, a sub-menu. An item owns its sub-items.
class TMenuItem : public TComponent {
  DECLARE_CLASS_INFO

 public:
  explicit TMenuItem(TComponent* Owner = nullptr);
  ~TMenuItem() override;

  const std::string& Caption() const { return FCaption; }
  void SetCaption(std::string Value) { FCaption = std::move(Value); }
  // Shown right-aligned after the caption ("Alt+F4").
  const std::string& ShortCutText() const { return FShortCutText; }
  void SetShortCutText(std::string Value) { FShortCutText = std::move(Value); }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value) { FVisible = Value; }
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value) { FChecked = Value; }
  // Checked, it shows a dot instead of a tick.
  bool RadioItem() const { return FRadioItem; }
  void SetRadioItem(bool Value) { FRadioItem = Value; }
  // The item a double click would choose; drawn bold.
  bool Default() const { return FDefault; }
  void SetDefault(bool Value) { FDefault = Value; }
  // The item starts a new column.
  bool Break() const { return FBreak; }
  void SetBreak(bool Value) { FBreak = Value; }
  bool IsLine() const { return FCaption == "-"; }

  TNotifyEvent OnClick;
  TMenuMeasureItemEvent OnMeasureItem;
  TMenuDrawItemEvent OnDrawItem;

  size_t Count() const { return FItems.size(); }
  TMenuItem* Items(size_t Index) const { return FItems[Index].get(); }
  TMenuItem* Parent() const { return FParent; }
  // Takes the item over; it must have no owner.
  TMenuItem& Add(std::unique_ptr<TMenuItem> Item);
  // A new item with this caption at the end.
  TMenuItem& Add(const std::string& Caption);
  // Takes the item over at Index (at most Count()); it must have no owner.
  TMenuItem& Insert(size_t Index, std::unique_ptr<TMenuItem> Item);
  void Delete(size_t Index) { FItems.erase(FItems.begin() + static_cast<std::ptrdiff_t>(Index)); }
  void Clear() { FItems.clear(); }

  virtual void Click();
  // The size and the drawing of an owner-drawn item: its handlers, else the plain look.
  virtual void MeasureItem(TCanvas& Canvas, int32_t& Width, int32_t& Height);
  virtual void DrawItem(TCanvas& Canvas, const RECT& Rect, UINT State);

 private:
  std::string FCaption, FShortCutText;
  bool FEnabled = true, FVisible = true, FChecked = false, FRadioItem = false, FDefault = false, FBreak = false;
  TMenuItem* FParent = nullptr;
  std::vector<std::unique_ptr<TMenuItem>> FItems;
};

// A menu shown at a point: a system popup menu built from its items, its
// commands routed back to the items' OnClick.
class TPopupMenu : public TComponent {
  DECLARE_CLASS_INFO

 public:
  explicit TPopupMenu(TComponent* Owner);
  ~TPopupMenu() override;

  TMenuItem& Items() { return FItems; }
  // Every item is drawn by the items themselves (MeasureItem and DrawItem).
  bool OwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool Value) { FOwnerDraw = Value; }
  // Told before the menu is shown.
  TNotifyEvent OnPopup;

  // Shows the menu with its top-left corner at the screen point and runs
  // the chosen item's Click; false when nothing was chosen.
  bool Popup(int32_t X, int32_t Y);
  // The item behind a command of the menu shown now, or null.
  TMenuItem* FindCommand(UINT Command) const;
  // The item an owner-draw message of the menu shown now names, or null for
  // data that is not one of its items.
  TMenuItem* FindItemData(ULONG_PTR Data) const;
  // A sub-menu of the menu shown now is about to open: its item's Click
  // lets the program change the sub-items, which are then shown as they are.
  // False for a menu that is not one of this menu's sub-menus.
  bool InitSubMenu(HMENU SubMenu);

  // Shows a built menu and answers the command chosen (0 for none); tests
  // put their own in place of the system's modal tracking.
  using TacMenuTracker = std::function<UINT(HMENU Menu, POINT Screen, HWND Owner)>;
  static void SetTracker(TacMenuTracker Tracker);
  static UINT Track(HMENU Menu, POINT Screen, HWND Owner);

 private:
  struct TacShownCommand {
    TMenuItem* Item;  // null once its menu was filled again
    HMENU Menu;
  };
  struct TacShownSubMenu {
    HMENU Menu, Parent;
    TMenuItem* Item;
  };
  HMENU Build(const TMenuItem& Parent);
  void Fill(HMENU Menu, const TMenuItem& Parent);
  void Forget(HMENU Menu);

  TMenuItem FItems;
  bool FOwnerDraw = false;
  // While the menu is shown: the command of each item (its position plus 1),
  // and the sub-menus built for items with sub-items.
  std::vector<TacShownCommand> FCommands;
  std::vector<TacShownSubMenu> FSubMenus;
};
