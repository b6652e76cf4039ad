#pragma once
#include <windows.h>

#include <cstdint>

#include "framework/Menus.h"

class TsSkinProvider;
class TCustomForm;

// The window menu of a skinned form, which has no system menu of its own on
// screen: built from the window's system menu, with the standard items
// shown and enabled by the form's border style, border icons and state,
// and every command the program added to the system menu kept.
class TsSystemMenu : public TPopupMenu {
  DECLARE_CLASS_INFO

 public:
  explicit TsSystemMenu(TsSkinProvider& Provider);

  // Builds the items again from the window's system menu.
  void Generate();
  // Shows and enables the standard items as the form stands now; Full
  // builds them again first.
  void UpdateItems(bool Full = false);
  // Puts a first item "SkinSelectItem" in front that lists the manager's
  // skins, the current one checked; choosing one switches to it.
  void MakeSkinItems();

  bool VisibleRestore();
  bool VisibleSize();
  bool VisibleMin();
  bool VisibleMax();
  bool VisibleClose();
  bool EnabledRestore();
  bool EnabledMove();
  bool EnabledSize();
  bool EnabledMin();
  bool EnabledMax();
  bool EnabledClose();

  TMenuItem* ItemRestore = nullptr;
  TMenuItem* ItemMove = nullptr;
  TMenuItem* ItemSize = nullptr;
  TMenuItem* ItemMinimize = nullptr;
  TMenuItem* ItemMaximize = nullptr;
  TMenuItem* ItemClose = nullptr;
  int32_t ExtItemsCount = 0;

 private:
  TMenuItem& AddCommand(UINT Command, const char* Name, const char* DefaultCaption);
  HMENU WindowMenu() const;
  bool HasSystemMenuIcon() const;

  TsSkinProvider& FOwner;
  TCustomForm* FForm;
};
