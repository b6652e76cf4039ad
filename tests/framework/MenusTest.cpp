// Popup menus: the system menu built from the items, the chosen command
// routed to its item, and owner drawing answered only for the menu's own items.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MenuEntries.h"
#include "framework/Menus.h"

namespace {

class Menus : public testing::Test {
 protected:
  void SetUp() override {
    restore = &menu.Items().Add("Restore");
    restore->SetEnabled(false);
    menu.Items().Add("Hidden").SetVisible(false);
    menu.Items().Add("-");
    TMenuItem& skins = menu.Items().Add("Skins");
    TMenuItem& one = skins.Add("One");
    one.SetRadioItem(true);
    one.SetChecked(true);
    skins.Add("Two").SetBreak(true);
    close = &menu.Items().Add("Close");
    close->SetShortCutText("Alt+F4");
    close->SetDefault(true);
    close->OnClick = [this](TObject*) { ++closeClicks; };
    restore->OnClick = [this](TObject*) { ++restoreClicks; };
  }
  void TearDown() override { TPopupMenu::SetTracker(nullptr); }

  TPopupMenu menu{nullptr};
  TMenuItem* restore = nullptr;
  TMenuItem* close = nullptr;
  int closeClicks = 0, restoreClicks = 0;
};

TEST_F(Menus, TheSystemMenuHoldsTheVisibleItemsWithTheirStates) {
  bool tracked = false;
  TPopupMenu::SetTracker([&](HMENU built, POINT at, HWND owner) {
    tracked = true;
    EXPECT_EQ(at.x, 40);
    EXPECT_EQ(at.y, 50);
    EXPECT_TRUE(IsWindow(owner));
    EXPECT_EQ(GetMenuItemCount(built), 4) << "the hidden item is left out";
    const MenuEntry first = Entry(built, 0), line = Entry(built, 1), skins = Entry(built, 2), last = Entry(built, 3);
    EXPECT_EQ(first.Text, L"Restore");
    EXPECT_TRUE(first.State & MFS_GRAYED);
    EXPECT_TRUE(line.Type & MFT_SEPARATOR);
    EXPECT_TRUE(skins.HasSubMenu);
    const HMENU sub = GetSubMenu(built, 2);
    EXPECT_TRUE(Entry(sub, 0).Type & MFT_RADIOCHECK);
    EXPECT_TRUE(Entry(sub, 0).State & MFS_CHECKED);
    EXPECT_TRUE(Entry(sub, 1).Type & MFT_MENUBREAK);
    EXPECT_EQ(last.Text, L"Close\tAlt+F4");
    EXPECT_TRUE(last.State & MFS_DEFAULT);
    return 0u;
  });
  EXPECT_FALSE(menu.Popup(40, 50)) << "nothing chosen";
  EXPECT_TRUE(tracked);
  EXPECT_EQ(closeClicks, 0);
}

TEST_F(Menus, TheChosenCommandClicksItsItemButNotADisabledOne) {
  std::vector<UINT> ids;
  UINT answer = 0;
  TPopupMenu::SetTracker([&](HMENU built, POINT, HWND) {
    ids.clear();
    for (int i = 0; i < GetMenuItemCount(built); ++i) ids.push_back(GetMenuItemID(built, i));
    return answer;
  });
  menu.Popup(0, 0);
  ASSERT_EQ(ids.size(), 4u);
  answer = ids[3];
  EXPECT_TRUE(menu.Popup(0, 0));
  EXPECT_EQ(closeClicks, 1);
  answer = ids[0];
  EXPECT_FALSE(menu.Popup(0, 0));
  EXPECT_EQ(restoreClicks, 0);
  answer = 999;
  EXPECT_FALSE(menu.Popup(0, 0)) << "a command that is none of the menu's";
}

TEST_F(Menus, OwnerDrawingIsAnsweredOnlyForTheMenusOwnItems) {
  menu.SetOwnerDraw(true);
  int measured = 0, drawn = 0;
  close->OnMeasureItem = [&](TObject*, TCanvas&, int32_t& width, int32_t& height) {
    ++measured;
    width = 123;
    height = 21;
  };
  close->OnDrawItem = [&](TObject*, TCanvas&, const RECT& rect, UINT state) {
    ++drawn;
    EXPECT_EQ(rect.right, 123);
    EXPECT_TRUE(state & ODS_SELECTED);
  };
  TPopupMenu::SetTracker([&](HMENU built, POINT, HWND owner) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA | MIIM_FTYPE;
    GetMenuItemInfoW(built, 3, TRUE, &info);
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
    MEASUREITEMSTRUCT measure{ODT_MENU, 0, 0, 0, 0, info.dwItemData};
    EXPECT_EQ(SendMessageW(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)), TRUE);
    EXPECT_EQ(measure.itemWidth, 123u);
    EXPECT_EQ(measure.itemHeight, 21u);
    const HDC screen = GetDC(nullptr);
    DRAWITEMSTRUCT draw{ODT_MENU, 0, 0, ODA_DRAWENTIRE, ODS_SELECTED, nullptr, screen, {0, 0, 123, 21}, info.dwItemData};
    EXPECT_EQ(SendMessageW(owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)), TRUE);
    // Data that is no item of this menu is not followed.
    MEASUREITEMSTRUCT stranger{ODT_MENU, 0, 0, 0, 0, info.dwItemData + 8};
    SendMessageW(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&stranger));
    ReleaseDC(nullptr, screen);
    return 0u;
  });
  menu.Popup(0, 0);
  EXPECT_EQ(measured, 1);
  EXPECT_EQ(drawn, 1);
}

TEST_F(Menus, ASubMenuAboutToOpenIsFilledAgainFromItsItemsAfterItsItemsClick) {
  TMenuItem& skins = *menu.Items().Items(3);
  int threeClicks = 0;
  skins.OnClick = [&](TObject*) {
    skins.Items(0)->SetChecked(false);
    skins.Items(1)->SetChecked(true);
    skins.Add("Three").OnClick = [&](TObject*) { ++threeClicks; };
  };
  std::vector<MenuEntry> before, after;
  TPopupMenu::SetTracker([&](HMENU built, POINT, HWND owner) {
    const HMENU sub = GetSubMenu(built, 2);
    for (UINT i = 0; i < static_cast<UINT>(GetMenuItemCount(sub)); ++i) before.push_back(Entry(sub, i));
    // A menu that is none of ours is left alone.
    const HMENU stranger = CreatePopupMenu();
    SendMessageW(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(stranger), 0);
    DestroyMenu(stranger);
    SendMessageW(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(sub), 2);
    for (UINT i = 0; i < static_cast<UINT>(GetMenuItemCount(sub)); ++i) after.push_back(Entry(sub, i));
    // The stale command of the first filling chooses nothing.
    EXPECT_EQ(menu.FindCommand(before.at(0).Command), nullptr);
    return after.empty() ? 0u : after.back().Command;
  });
  EXPECT_TRUE(menu.Popup(0, 0));
  ASSERT_EQ(before.size(), 2u);
  EXPECT_TRUE(before[0].State & MFS_CHECKED);
  ASSERT_EQ(after.size(), 3u) << "the item added by the click is shown";
  EXPECT_FALSE(after[0].State & MFS_CHECKED);
  EXPECT_TRUE(after[1].State & MFS_CHECKED);
  EXPECT_EQ(after[2].Text, L"Three");
  EXPECT_EQ(threeClicks, 1) << "the new item's command is routed to it";
}

}  // namespace
