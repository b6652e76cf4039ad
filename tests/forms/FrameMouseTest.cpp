// The mouse on the painted frame, driven with the non-client messages the
// system sends: hit codes, the title buttons' fades, clicks, double and
// right clicks, and the places the window's menu opens at.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "../framework/MenuEntries.h"
#include "FormsFixture.h"
#include "base/FileUtils.h"
#include "base/StrUtils.h"
#include "core/StateFade.h"
#include "forms/HitCodes.h"
#include "framework/Application.h"
#include "framework/Menus.h"
#include "skin/SkinData.h"

namespace {

LPARAM ScreenParam(POINT p) { return MAKELPARAM(p.x, p.y); }

RECT WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

// A form like the main window: a single border and only the system menu.
class FrameMouse : public FormsFixture {
 protected:
  void SetUp() override {
    FormsFixture::SetUp();
    TPopupMenu::SetTracker([this](HMENU menu, POINT screen, HWND) {
      menuPoints.push_back(screen);
      shownItems.clear();
      for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        const MenuEntry entry = Entry(menu, static_cast<UINT>(i));
        shownItems.push_back({WideToUtf8(entry.Text), entry.Line(), entry.Enabled(), entry.Command});
      }
      return choose ? choose() : 0u;
    });
    SetAnimFrameObserver([this](HWND shown, int32_t state, int32_t) {
      if (form && shown == form->Handle()) titleFrames.push_back(state);
    });
  }
  void TearDown() override {
    SetAnimFrameObserver(nullptr);
    TPopupMenu::SetTracker(nullptr);
    FormsFixture::TearDown();
  }
  void Open(TFormBorderStyle style = TFormBorderStyle::bsSingle, TBorderIcons icons = {TBorderIcon::biSystemMenu}) {
    form = &NewForm();
    form->SetBorderStyle(style);
    form->SetBorderIcons(icons);
    ShowAndActivate(*form);
    provider = ProviderOf(*form);
    ASSERT_NE(provider, nullptr);
    provider->SkinData().BGChanged = true;
    ASSERT_TRUE(provider->PaintAll());
    window = form->Handle();
  }
  POINT OnScreen(TPoint framePoint) {
    const RECT r = WindowRect(window);
    return {r.left + framePoint.X, r.top + framePoint.Y};
  }
  POINT CloseCentre() {
    const TRect r = provider->ButtonClose.cpRect;
    return OnScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
  }
  POINT TitlePoint() { return OnScreen({provider->CaptionRect().Left + 20, provider->VCenter}); }
  POINT IconPoint() {
    const TRect r = provider->IconRect();
    return OnScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
  }
  // Runs the message loop until the close button's fade stands still.
  void RunTitleFade() {
    for (int guard = 0; guard < 2000; ++guard) {
      const TacTitleButtonFade* fade = provider->TitleButtonFade(HTCLOSE);
      if (!fade || fade->Settled()) break;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
      Application().ProcessMessages();
    }
    Application().ProcessMessages();
  }
  size_t FramesOf(int32_t state) const {
    size_t n = 0;
    for (int32_t s : titleFrames) n += s == state ? 1 : 0;
    return n;
  }

  TForm* form = nullptr;
  TsSkinProvider* provider = nullptr;
  HWND window = nullptr;
  struct ShownItem {
    std::string Text;
    bool Line, Enabled;
    UINT Command;
  };
  // The command of the shown item whose text starts with Caption.
  UINT CommandOf(const std::string& Caption) const {
    for (const ShownItem& item : shownItems)
      if (item.Text.rfind(Caption, 0) == 0) return item.Command;
    return 0;
  }
  std::string Shown() const {
    std::string all;
    for (const ShownItem& item : shownItems) {
      if (!all.empty()) all += '|';
      if (item.Line) {
        all += '-';
        continue;
      }
      all += item.Text;
      if (!item.Enabled) all += " (off)";
    }
    return all;
  }
  std::vector<POINT> menuPoints;
  std::vector<ShownItem> shownItems;
  std::function<UINT()> choose;
  std::vector<int32_t> titleFrames;
};

TEST_F(FrameMouse, TheWindowAnswersWhereItsPaintedElementsAre) {
  Open();
  const RECT r = WindowRect(window);
  EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, ScreenParam(CloseCentre())), HTCLOSE);
  EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, ScreenParam(IconPoint())), HTSYSMENU);
  EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, ScreenParam(TitlePoint())), HTCAPTION);
  EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, ScreenParam({(r.left + r.right) / 2, (r.top + r.bottom) / 2})),
            HTCLIENT);
}

TEST_F(FrameMouse, TheCloseButtonFadesInTenStepsOutInTenAndPressesInOne) {
  Open();
  // At full opacity the fade looks where the pointer is.
  SetCursorPos(CloseCentre().x, CloseCentre().y);
  SendMessageW(window, WM_NCMOUSEMOVE, HTCLOSE, ScreenParam(CloseCentre()));
  RunTitleFade();
  EXPECT_EQ(FramesOf(1), 10u);
  EXPECT_EQ(provider->ButtonClose.cpState, 1);

  titleFrames.clear();
  SendMessageW(window, WM_NCLBUTTONDOWN, HTCLOSE, ScreenParam(CloseCentre()));
  Application().ProcessMessages();
  EXPECT_EQ(FramesOf(2), 1u);
  EXPECT_EQ(provider->ButtonClose.cpState, 2);

  // Dragged away and released elsewhere: nothing happens, and the button fades back.
  titleFrames.clear();
  const POINT away = TitlePoint();
  POINT client = away;
  ScreenToClient(window, &client);
  SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
  RunTitleFade();
  EXPECT_EQ(FramesOf(0), 10u);
  EXPECT_EQ(provider->ButtonClose.cpState, 0);
  EXPECT_TRUE(IsWindowVisible(window));
  const TacTitleButtonFade* fade = provider->TitleButtonFade(HTCLOSE);
  ASSERT_NE(fade, nullptr);
  EXPECT_FALSE(fade->Running()) << "an ended fade keeps no image and no timer";
  EXPECT_TRUE(fade->Settled());
}

TEST_F(FrameMouse, PressedAndReleasedOverTheCloseButtonTheWindowCloses) {
  Open();
  SendMessageW(window, WM_NCLBUTTONDOWN, HTCLOSE, ScreenParam(CloseCentre()));
  PostMessageW(window, WM_NCLBUTTONUP, HTCLOSE, ScreenParam(CloseCentre()));
  Application().ProcessMessages();
  Application().ProcessMessages();
  EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(FrameMouse, ADoubleClickOnTheTitleDoesNothingAndOneOnTheIconCloses) {
  Open();
  SendMessageW(window, WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenParam(TitlePoint()));
  Application().ProcessMessages();
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_FALSE(IsZoomed(window));
  SendMessageW(window, WM_NCLBUTTONDBLCLK, HTSYSMENU, ScreenParam(IconPoint()));
  Application().ProcessMessages();
  EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(FrameMouse, TheMenuOpensBelowTheIconAtARightClickAndForAltSpace) {
  Open();
  const RECT r = WindowRect(window);
  const int32_t f = provider->SystemFrameWidth();
  const int32_t iconHeight = provider->IconRect().Height();

  PostMessageW(window, WM_NCLBUTTONDOWN, HTSYSMENU, ScreenParam(IconPoint()));
  Application().ProcessMessages();
  ASSERT_EQ(menuPoints.size(), 1u);
  EXPECT_EQ(menuPoints[0].x, r.left + f);
  EXPECT_EQ(menuPoints[0].y, r.top + iconHeight + 2 * f);

  const POINT click = TitlePoint();
  SendMessageW(window, WM_NCRBUTTONDOWN, HTCAPTION, ScreenParam(click));
  SendMessageW(window, WM_NCRBUTTONUP, HTCAPTION, ScreenParam(click));
  ASSERT_EQ(menuPoints.size(), 2u);
  EXPECT_EQ(menuPoints[1].x, click.x);
  EXPECT_EQ(menuPoints[1].y, click.y);

  // A right release without its press opens nothing.
  SendMessageW(window, WM_NCRBUTTONUP, HTCAPTION, ScreenParam(click));
  EXPECT_EQ(menuPoints.size(), 2u);

  // Move starts the system's keyboard move loop (Enter ends it).
  choose = [this] { return CommandOf("&Move"); };
  std::vector<UINT> heard;
  const TWndMethod saved = form->WindowProc;
  form->WindowProc = [&](TMessage& message) {
    if (message.Msg == WM_SYSCOMMAND) heard.push_back(static_cast<UINT>(message.WParam) & 0xFFF0u);
    if (message.Msg == WM_ENTERSIZEMOVE) heard.push_back(message.Msg);
    saved(message);
  };
  SendMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, ' ');
  PostMessageW(window, WM_KEYDOWN, VK_RIGHT, 0);
  PostMessageW(window, WM_KEYDOWN, VK_RETURN, 0);
  Application().ProcessMessages();
  form->WindowProc = saved;
  EXPECT_EQ(heard, (std::vector<UINT>{SC_KEYMENU, SC_MOVE, WM_ENTERSIZEMOVE}));

  choose = [this] { return CommandOf("&Close"); };
  SendMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, ' ');
  ASSERT_EQ(menuPoints.size(), 4u);
  EXPECT_EQ(menuPoints[3].x, r.left + provider->BorderWidth());
  EXPECT_EQ(menuPoints[3].y, r.top + iconHeight);
  Application().ProcessMessages();
  EXPECT_FALSE(IsWindowVisible(window)) << "Close chosen from the menu closes the window";
}

TEST_F(FrameMouse, TheWindowMenuShowsWhatTheFormsStyleAndStateAllow) {
  Open();
  provider->DropSysMenu({100, 100});
  EXPECT_EQ(Shown(), "&Restore (off)|&Move|&Size (off)|-|&Close\tAlt+F4");

  TForm& sizeable = NewForm();
  ShowAndActivate(sizeable);
  TsSkinProvider* other = ProviderOf(sizeable);
  ASSERT_NE(other, nullptr);
  // A command the program added to the window's menu is kept with its own command.
  AppendMenuW(GetSystemMenu(sizeable.Handle(), FALSE), MF_STRING, 0x120, L"&Extra\tCtrl+E");
  other->DropSysMenu({100, 100});
  EXPECT_EQ(Shown(), "&Restore (off)|&Move|&Size|Mi&nimize|Ma&ximize|-|&Extra\tCtrl+E|-|&Close\tAlt+F4");
  ShowWindow(sizeable.Handle(), SW_MAXIMIZE);
  Application().ProcessMessages();
  other->DropSysMenu({100, 100});
  EXPECT_EQ(Shown(), "&Restore|&Move (off)|&Size|Mi&nimize|Ma&ximize|-|&Extra\tCtrl+E|-|&Close\tAlt+F4");

  // Chosen, an item sends its command to its form.
  UINT seen = 0;
  const TWndMethod saved = sizeable.WindowProc;
  sizeable.WindowProc = [&](TMessage& message) {
    if (message.Msg == WM_SYSCOMMAND) seen = static_cast<UINT>(message.WParam);
    if (message.Msg != WM_SYSCOMMAND || message.WParam != 0x120) saved(message);
  };
  choose = [this] { return CommandOf("&Extra"); };
  other->DropSysMenu({100, 100});
  Application().ProcessMessages();
  EXPECT_EQ(seen, 0x120u);
  sizeable.WindowProc = saved;
}

TEST_F(FrameMouse, WithTheSkinMenuTheWindowMenuListsTheSkinsInColumnsAndChoosingOneSwitchesToIt) {
  const std::vector<uint8_t> orvale = ReadFileBytes(std::string(ORVALE_ROOT) + "/Orvale.asz");
  for (int i = 1; i <= 20; ++i) {
    auto& copy = dynamic_cast<TsStoredSkinItem&>(manager->InternalSkins().Add());
    copy.Skin().Name = "Copy " + std::to_string(i) + " (internal)";
    copy.SetData(orvale);
  }
  Open();
  provider->SetMakeSkinMenu(true);
  std::vector<MenuEntry> top, skins;
  std::wstring chosen;
  TPopupMenu::SetTracker([&](HMENU built, POINT, HWND) {
    top.clear();
    skins.clear();
    for (UINT i = 0; i < static_cast<UINT>(GetMenuItemCount(built)); ++i) top.push_back(Entry(built, i));
    const HMENU sub = GetSubMenu(built, 0);
    for (UINT i = 0; sub && i < static_cast<UINT>(GetMenuItemCount(sub)); ++i) skins.push_back(Entry(sub, i));
    for (const MenuEntry& skin : skins)
      if (skin.Text == chosen) return skin.Command;
    return 0u;
  });
  const auto entryOf = [&](const std::wstring& text) {
    const auto it = std::find_if(skins.begin(), skins.end(), [&](const MenuEntry& e) { return e.Text == text; });
    return it == skins.end() ? MenuEntry{} : *it;
  };

  chosen = L"Copy 3 (internal)";
  provider->DropSysMenu({100, 100});
  Application().ProcessMessages();
  ASSERT_GE(top.size(), 3u);
  EXPECT_TRUE(top[0].HasSubMenu);
  EXPECT_TRUE(top[1].Line());
  EXPECT_EQ(top[2].Text, L"&Restore");
  ASSERT_EQ(skins.size(), 21u);
  const MenuEntry current = entryOf(L"Orvale (internal)");
  EXPECT_TRUE(current.Type & MFT_RADIOCHECK);
  EXPECT_TRUE(current.State & MFS_CHECKED);
  EXPECT_TRUE(current.State & MFS_DEFAULT);
  EXPECT_FALSE(entryOf(L"Copy 3 (internal)").State & MFS_CHECKED);
  EXPECT_TRUE(skins[20].Type & MFT_MENUBREAK) << "twenty skins to a column";
  EXPECT_FALSE(skins[19].Type & MFT_MENUBREAK);
  EXPECT_EQ(manager->SkinName(), "Copy 3 (internal)");

  // Dropped again: one list, the new skin checked.
  chosen.clear();
  provider->DropSysMenu({100, 100});
  EXPECT_TRUE(top[0].HasSubMenu);
  EXPECT_FALSE(top[2].HasSubMenu);
  EXPECT_TRUE(entryOf(L"Copy 3 (internal)").State & MFS_CHECKED);
  EXPECT_FALSE(entryOf(L"Orvale (internal)").State & MFS_CHECKED);
}

TEST_F(FrameMouse, WithTheBorderWindowTheShadowBesideAndAboveTheTitleIsTransparent) {
  manager->SetExtendedBorders(true);
  Open();
  provider->SkinData().BGChanged = true;
  ASSERT_TRUE(provider->PaintAll());
  const TRect s = provider->ShadowSize();
  ASSERT_GT(s.Left, 0);
  const TSize size = provider->FrameBitmapSize();
  const TRect close = provider->ButtonClose.cpRect;
  const TRect icon = provider->IconRect();
  const int32_t titleY = s.Top + provider->CaptionHeight() / 2;
  struct Case {
    const char* Where;
    TPoint Point;
    int32_t Code;
  } cases[] = {
      {"left of the title", {s.Left / 2, titleY}, HTTRANSPARENT},
      {"right of the title", {size.cx - s.Right / 2, titleY}, HTTRANSPARENT},
      {"above the title", {size.cx / 2, s.Top / 2}, HTTRANSPARENT},
      {"below the frame", {size.cx / 2, size.cy - s.Bottom / 2}, HTTRANSPARENT},
      {"title", {provider->CaptionRect().Left + 20, titleY}, HTCAPTION},
      {"icon", {(icon.Left + icon.Right) / 2, (icon.Top + icon.Bottom) / 2}, HTSYSMENU},
      {"close", {(close.Left + close.Right) / 2, (close.Top + close.Bottom) / 2}, HTCLOSE},
      {"client", {size.cx / 2, size.cy / 2}, HTTRANSPARENT},
  };
  for (const Case& c : cases) EXPECT_EQ(provider->ExHitTest(c.Point), c.Code) << c.Where;
  form->SetEnabled(false);
  EXPECT_EQ(provider->ExHitTest({provider->CaptionRect().Left + 20, titleY}), HTTRANSPARENT) << "a disabled form";
}

TEST_F(FrameMouse, ASizeableFormIsSizedFromBandsInTheShadowAndAtItsEdges) {
  manager->SetExtendedBorders(true);
  Open(TFormBorderStyle::bsSizeable,
       {TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize});
  const TRect s = provider->ShadowSize();
  const TSize size = provider->FrameBitmapSize();
  const TacSkinData& skin = manager->CommonSkinData();
  if (skin.ExDrawMode == 0) {
    EXPECT_EQ(provider->ExHitTest({s.Left - 2, size.cy / 2}), HTLEFT);
    EXPECT_EQ(provider->ExHitTest({size.cx - s.Right + 2, size.cy / 2}), HTRIGHT);
    EXPECT_EQ(provider->ExHitTest({s.Left - 2, s.Top - 2}), HTTOPLEFT);
    EXPECT_EQ(provider->ExHitTest({size.cx - s.Right + 2, size.cy - s.Bottom + 2}), HTBOTTOMRIGHT);
  } else {
    const TPoint left{s.Left - skin.ExShadowOffs + 1, size.cy / 2};
    EXPECT_EQ(provider->ExHitTest(left), HTLEFT);
  }
  manager->SetExtendedBorders(false);
  provider->SkinData().BGChanged = true;
  ASSERT_TRUE(provider->PaintAll());
  const RECT r = WindowRect(window);
  EXPECT_EQ(provider->FormHitTest({r.left + 1, (r.top + r.bottom) / 2}), HTLEFT);
  EXPECT_EQ(provider->FormHitTest({r.right - 1, r.bottom - 1}), HTBOTTOMRIGHT);
  EXPECT_EQ(provider->FormHitTest({(r.left + r.right) / 2, r.top + provider->SystemFrameWidth() + 2}), HTCAPTION);
}

TEST_F(FrameMouse, AMaximisedWindowDraggedByItsTitleComesBackOnlyOnceReallyDragged) {
  Open(TFormBorderStyle::bsSizeable,
       {TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize});
  ShowWindow(window, SW_MAXIMIZE);
  Application().ProcessMessages();
  ASSERT_TRUE(IsZoomed(window));
  provider->SkinData().BGChanged = true;
  ASSERT_TRUE(provider->PaintAll());
  const POINT start = TitlePoint();
  SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, ScreenParam(start));
  ASSERT_TRUE(provider->MaxMoving);
  const auto moveTo = [this](POINT screen) {
    ScreenToClient(window, &screen);
    SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(screen.x, screen.y));
  };
  moveTo({start.x + acMaxDragThreshold, start.y});
  EXPECT_TRUE(IsZoomed(window)) << "five pixels are not a drag";
  const POINT dragged{start.x + 40, start.y + 30};
  moveTo(dragged);
  EXPECT_FALSE(IsZoomed(window));
  EXPECT_FALSE(provider->MaxMoving);
  const RECT r = WindowRect(window);
  EXPECT_EQ((r.left + r.right) / 2, dragged.x) << "centred under the cursor";
  // The drag goes on as an ordinary move by the title.
  MSG msg;
  EXPECT_TRUE(PeekMessageW(&msg, window, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
  EXPECT_EQ(msg.wParam, static_cast<WPARAM>(HTCAPTION));
}

TEST_F(FrameMouse, MaximisedWithTheBorderWindowTheSystemFrameLiesOffTheScreen) {
  manager->SetExtendedBorders(true);
  Open(TFormBorderStyle::bsSizeable,
       {TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize});
  MINMAXINFO info{};
  SendMessageW(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
  const int32_t f = provider->SystemFrameWidth(), c = provider->SystemCaptionHeight();
  const int32_t x = std::max(0, manager->CommonSkinData().ExMaxHeight - c - 4);
  const RECT work = monitor.rcWork;
  EXPECT_EQ(info.ptMaxPosition.x, work.left - monitor.rcMonitor.left - f);
  EXPECT_EQ(info.ptMaxPosition.y, work.top - monitor.rcMonitor.top + x - f);
  EXPECT_EQ(info.ptMaxSize.x, work.right - work.left + 2 * f);
  EXPECT_EQ(info.ptMaxSize.y, work.bottom - work.top + 2 * f - x);
}

TEST(FrameMousePlaces, AMaximisedWindowComesBackUnderTheCursorAndNeverAboveTheScreen) {
  EXPECT_EQ(MaximisedDragPlacement({500, 300}, {200, 100}, 0), (TRect{400, 292, 600, 392}));
  EXPECT_EQ(MaximisedDragPlacement({500, 10}, {200, 100}, 0), (TRect{400, -8, 600, 92}));
}

TEST(FrameMousePlaces, EachFrameElementHasItsCursor) {
  const struct {
    int32_t Code;
    LPCWSTR Shape;
  } cases[] = {{HTCAPTION, IDC_ARROW},         {HTLEFT, IDC_SIZEWE},          {HTRIGHT, IDC_SIZEWE},
               {HTTOP, IDC_SIZENS},            {HTBOTTOM, IDC_SIZENS},        {HTTOPLEFT, IDC_SIZENWSE},
               {HTBOTTOMRIGHT, IDC_SIZENWSE},  {HTTOPRIGHT, IDC_SIZENESW},    {HTBOTTOMLEFT, IDC_SIZENESW}};
  for (const auto& c : cases) EXPECT_EQ(CursorForHitCode(c.Code), LoadCursorW(nullptr, c.Shape)) << c.Code;
  EXPECT_EQ(CursorForHitCode(HTCLOSE), nullptr);
}

}  // namespace
