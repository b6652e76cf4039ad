#include "framework/Menus.h"

#include <algorithm>

#include "base/StrUtils.h"
#include "base/WinHandles.h"
#include "framework/MessageParams.h"
#include "framework/WindowHost.h"

namespace {

// The owner of every menu the framework shows: it receives the menu's
// owner-draw questions and hands them to the menu shown now.
class TacPopupList final : public TacWindowHost {
 public:
  HWND Window() {
    if (!Handle()) CreateHostWindow({.ClassName = L"TPopupListWindow", .Style = WS_POPUP});
    return Handle();
  }
  TPopupMenu* Shown = nullptr;

 protected:
  void HostWndProc(TMessage& Message) override {
    switch (Message.Msg) {
      case WM_MEASUREITEM:
        if (auto* measure = LParamPointer<MEASUREITEMSTRUCT>(Message); measure && measure->CtlType == ODT_MENU)
          if (TMenuItem* item = Shown ? Shown->FindItemData(measure->itemData) : nullptr) {
            Measure(*item, *measure);
            Message.Result = TRUE;
            return;
          }
        break;
      case WM_INITMENUPOPUP:
        if (Shown && Shown->InitSubMenu(reinterpret_cast<HMENU>(Message.WParam))) {
          Message.Result = 0;
          return;
        }
        break;
      case WM_DRAWITEM:
        if (auto* draw = LParamPointer<DRAWITEMSTRUCT>(Message); draw && draw->CtlType == ODT_MENU)
          if (TMenuItem* item = Shown ? Shown->FindItemData(draw->itemData) : nullptr) {
            TCanvas canvas;
            canvas.SetHandle(draw->hDC);
            item->DrawItem(canvas, draw->rcItem, draw->itemState);
            Message.Result = TRUE;
            return;
          }
        break;
      default:
        break;
    }
    DefaultHostProc(Message);
  }

 private:
  void Measure(TMenuItem& Item, MEASUREITEMSTRUCT& Measure) {
    const TacWindowDC screen(nullptr);
    TCanvas canvas;
    canvas.SetHandle(screen.Get());
    int32_t width = 0, height = 0;
    Item.MeasureItem(canvas, width, height);
    Measure.itemWidth = static_cast<UINT>(std::max(width, 0));
    Measure.itemHeight = static_cast<UINT>(std::max(height, 0));
  }
};

TacPopupList& PopupList() {
  static TacPopupList& list = *new TacPopupList;
  return list;
}

UINT TrackSystemMenu(HMENU Menu, POINT Screen, HWND Owner) {
  // The menu closes on a click elsewhere only while its thread is in the
  // foreground; the hidden owner itself must not become active, or the form
  // the menu belongs to would look inactive while it is open.
  const HWND active = GetActiveWindow();
  SetForegroundWindow(active ? active : Owner);
  UINT flags = TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON;
  // The system's slide-in would show an owner-drawn menu before its window is painted as a whole.
  if (const TPopupMenu* shown = PopupList().Shown; shown && shown->OwnerDraw()) flags |= TPM_NOANIMATION;
  return static_cast<UINT>(TrackPopupMenu(Menu, flags, Screen.x, Screen.y, 0, Owner, nullptr));
}

TPopupMenu::TacMenuTracker& MenuTracker() {
  static TPopupMenu::TacMenuTracker tracker = TrackSystemMenu;
  return tracker;
}

// The system's menu font, for items that draw themselves the plain way.
void UseMenuFont(TCanvas& Canvas, bool Bold) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    Canvas.Font().SetName(WideToUtf8(metrics.lfMenuFont.lfFaceName));
    Canvas.Font().SetHeight(metrics.lfMenuFont.lfHeight);
  }
  Canvas.Font().SetStyle(Bold ? TFontStyles{TFontStyle::fsBold} : TFontStyles{});
}

constexpr int32_t kTextMargin = 20;
constexpr int32_t kLineHeight = 8;

}  // namespace

const TClassInfo& TMenuItem::StaticClassInfo() {
  static const TClassInfo info("TMenuItem", &TComponent::StaticClassInfo(), nullptr, nullptr);
  return info;
}

TMenuItem::TMenuItem(TComponent* Owner) : TComponent(Owner) {}

TMenuItem::~TMenuItem() = default;

TMenuItem& TMenuItem::Add(std::unique_ptr<TMenuItem> Item) {
  Item->FParent = this;
  FItems.push_back(std::move(Item));
  return *FItems.back();
}

TMenuItem& TMenuItem::Add(const std::string& Caption) {
  auto item = std::make_unique<TMenuItem>();
  item->SetCaption(Caption);
  return Add(std::move(item));
}

TMenuItem& TMenuItem::Insert(size_t Index, std::unique_ptr<TMenuItem> Item) {
  Item->FParent = this;
  const auto at = FItems.begin() + static_cast<std::ptrdiff_t>(std::min(Index, FItems.size()));
  return **FItems.insert(at, std::move(Item));
}

void TMenuItem::Click() {
  // The handler runs from a copy: what it does may free this item.
  if (const TNotifyEvent handler = OnClick) handler(this);
}

void TMenuItem::MeasureItem(TCanvas& Canvas, int32_t& Width, int32_t& Height) {
  if (IsLine()) {
    Width = 0;
    Height = kLineHeight;
  } else {
    UseMenuFont(Canvas, FDefault);
    const SIZE caption = Canvas.TextExtent(FCaption);
    const SIZE shortcut = Canvas.TextExtent(FShortCutText);
    Width = kTextMargin + caption.cx + (FShortCutText.empty() ? 0 : kTextMargin + shortcut.cx) + kTextMargin;
    Height = std::max(caption.cy, shortcut.cy) + 6;
  }
  if (OnMeasureItem) OnMeasureItem(this, Canvas, Width, Height);
}

void TMenuItem::DrawItem(TCanvas& Canvas, const RECT& Rect, UINT State) {
  if (OnDrawItem) return OnDrawItem(this, Canvas, Rect, State);
  const HDC dc = Canvas.Handle();
  const bool selected = (State & ODS_SELECTED) && FEnabled;
  FillRect(dc, &Rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
  if (IsLine()) {
    RECT line{Rect.left + 2, (Rect.top + Rect.bottom) / 2 - 1, Rect.right - 2, (Rect.top + Rect.bottom) / 2 + 1};
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  UseMenuFont(Canvas, FDefault);
  Canvas.Font().SetColor(!FEnabled ? clGrayText : selected ? clHighlightText : clMenuText);
  Canvas.Brush.Style = TBrushStyle::bsClear;
  if (FChecked) {
    RECT mark{Rect.left + 2, Rect.top, Rect.left + kTextMargin - 2, Rect.bottom};
    Canvas.DrawText(FRadioItem ? "\u25CF" : "\u2713", mark, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  RECT text{Rect.left + kTextMargin, Rect.top, Rect.right - kTextMargin, Rect.bottom};
  Canvas.DrawText(FCaption, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  if (!FShortCutText.empty()) Canvas.DrawText(FShortCutText, text, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
}

const TClassInfo& TPopupMenu::StaticClassInfo() {
  static const TClassInfo info("TPopupMenu", &TComponent::StaticClassInfo(),
                               [](TComponent* owner) -> TComponent* { return new TPopupMenu(owner); }, nullptr);
  return info;
}

TPopupMenu::TPopupMenu(TComponent* Owner) : TComponent(Owner) {}

TPopupMenu::~TPopupMenu() {
  if (PopupList().Shown == this) PopupList().Shown = nullptr;
}

void TPopupMenu::SetTracker(TacMenuTracker Tracker) {
  MenuTracker() = Tracker ? std::move(Tracker) : TacMenuTracker(TrackSystemMenu);
}

UINT TPopupMenu::Track(HMENU Menu, POINT Screen, HWND Owner) { return MenuTracker()(Menu, Screen, Owner); }

HMENU TPopupMenu::Build(const TMenuItem& Parent) {
  const HMENU menu = CreatePopupMenu();
  if (menu) Fill(menu, Parent);
  return menu;
}

void TPopupMenu::Fill(HMENU Menu, const TMenuItem& Parent) {
  for (size_t i = 0; i < Parent.Count(); ++i) {
    TMenuItem& item = *Parent.Items(i);
    if (!item.Visible()) continue;
    FCommands.push_back({&item, Menu});
    std::wstring text = Utf8ToWide(item.Caption());
    if (!item.ShortCutText().empty()) text += L"\t" + Utf8ToWide(item.ShortCutText());
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_DATA;
    info.wID = static_cast<UINT>(FCommands.size());
    info.dwItemData = reinterpret_cast<ULONG_PTR>(&item);
    const bool ownerDraw = FOwnerDraw || item.OnDrawItem;
    info.fType = (item.IsLine() ? MFT_SEPARATOR : 0) | (ownerDraw ? MFT_OWNERDRAW : 0) |
                 (item.RadioItem() ? MFT_RADIOCHECK : 0) | (item.Break() ? MFT_MENUBREAK : 0);
    info.fState = (item.Enabled() ? MFS_ENABLED : MFS_GRAYED) | (item.Checked() ? MFS_CHECKED : 0) |
                  (item.Default() ? MFS_DEFAULT : 0);
    // Owner-drawn items keep their text too: the keyboard finds them by it.
    if (!item.IsLine()) {
      info.fMask |= MIIM_STRING;
      info.dwTypeData = text.data();
    }
    if (item.Count() > 0) {
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = Build(item);
      if (info.hSubMenu) FSubMenus.push_back({info.hSubMenu, Menu, &item});
    }
    InsertMenuItemW(Menu, static_cast<UINT>(GetMenuItemCount(Menu)), TRUE, &info);
  }
}

// The items of a menu about to be filled again, and of its sub-menus, which
// go with it, answer no command any more.
void TPopupMenu::Forget(HMENU Menu) {
  for (TacShownCommand& command : FCommands)
    if (command.Menu == Menu) command.Item = nullptr;
  std::vector<HMENU> nested;
  for (const TacShownSubMenu& sub : FSubMenus)
    if (sub.Parent == Menu) nested.push_back(sub.Menu);
  std::erase_if(FSubMenus, [Menu](const TacShownSubMenu& sub) { return sub.Parent == Menu; });
  for (const HMENU sub : nested) Forget(sub);
}

bool TPopupMenu::InitSubMenu(HMENU SubMenu) {
  const auto it = std::find_if(FSubMenus.begin(), FSubMenus.end(),
                               [SubMenu](const TacShownSubMenu& sub) { return sub.Menu == SubMenu; });
  if (it == FSubMenus.end()) return false;
  TMenuItem& item = *it->Item;
  item.Click();
  Forget(SubMenu);
  while (GetMenuItemCount(SubMenu) > 0) DeleteMenu(SubMenu, 0, MF_BYPOSITION);
  Fill(SubMenu, item);
  return true;
}

TMenuItem* TPopupMenu::FindCommand(UINT Command) const {
  return Command >= 1 && Command <= FCommands.size() ? FCommands[Command - 1].Item : nullptr;
}

TMenuItem* TPopupMenu::FindItemData(ULONG_PTR Data) const {
  const auto it = std::find_if(FCommands.begin(), FCommands.end(), [Data](const TacShownCommand& command) {
    return reinterpret_cast<ULONG_PTR>(command.Item) == Data;
  });
  return it == FCommands.end() ? nullptr : it->Item;
}

bool TPopupMenu::Popup(int32_t X, int32_t Y) {
  if (OnPopup) OnPopup(this);
  FCommands.clear();
  FSubMenus.clear();
  const HMENU menu = Build(FItems);
  if (!menu) return false;
  TacPopupList& list = PopupList();
  TPopupMenu* const previous = list.Shown;
  list.Shown = this;
  const UINT command = Track(menu, {X, Y}, list.Window());
  list.Shown = previous;
  DestroyMenu(menu);
  TMenuItem* chosen = FindCommand(command);
  FCommands.clear();
  FSubMenus.clear();
  if (!chosen || !chosen->Enabled()) return false;
  chosen->Click();
  return true;
}
