#include "forms/SystemMenu.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/StrUtils.h"
#include "forms/SkinProvider.h"
#include "framework/Application.h"
#include "framework/Strings.h"
#include "manager/SkinManager.h"

namespace {

// The system's text for a command, split into caption and shortcut at the tab.
struct TacCommandText {
  std::string Caption, ShortCut;
};

TacCommandText CommandText(HMENU Menu, UINT Command, bool ByPosition = false) {
  wchar_t text[256] = {};
  if (!Menu || GetMenuStringW(Menu, Command, text, 255, ByPosition ? MF_BYPOSITION : MF_BYCOMMAND) <= 0) return {};
  const std::string whole = WideToUtf8(text);
  const size_t tab = whole.find('\t');
  if (tab == std::string::npos) return {whole, {}};
  return {whole.substr(0, tab), whole.substr(tab + 1)};
}

const std::string kSkinSelectItem = "SkinSelectItem";
const std::string kSkinSelectLine = "SkinSelectLine";
// A long list of skins is shown in columns of this many.
constexpr size_t kSkinsPerColumn = 20;

bool IsStandardCommand(UINT Command) { return Command >= 0xF000 && Command <= 0xF1FF; }

// The commands the program added to the window's menu, with a text of their own.
std::vector<std::pair<UINT, TacCommandText>> ExtraCommands(HMENU Menu) {
  std::vector<std::pair<UINT, TacCommandText>> extra;
  const int count = Menu ? GetMenuItemCount(Menu) : 0;
  for (int i = 0; i < count; ++i) {
    const UINT command = GetMenuItemID(Menu, i);
    if (command == 0 || command == static_cast<UINT>(-1) || IsStandardCommand(command)) continue;
    TacCommandText text = CommandText(Menu, static_cast<UINT>(i), true);
    if (!text.Caption.empty()) extra.emplace_back(command, std::move(text));
  }
  return extra;
}

}  // namespace

const TClassInfo& TsSystemMenu::StaticClassInfo() {
  static const TClassInfo info("TsSystemMenu", &TPopupMenu::StaticClassInfo(), nullptr, nullptr);
  return info;
}

TsSystemMenu::TsSystemMenu(TsSkinProvider& Provider) : TPopupMenu(nullptr), FOwner(Provider), FForm(Provider.Form) {
  SetName("acSysMenu" + std::to_string(GetTickCount()));
  Generate();
}

HMENU TsSystemMenu::WindowMenu() const {
  return FForm && FForm->HandleAllocated() ? GetSystemMenu(FForm->Handle(), FALSE) : nullptr;
}

bool TsSystemMenu::HasSystemMenuIcon() const {
  return FForm && FForm->BorderIcons().Contains(TBorderIcon::biSystemMenu);
}

TMenuItem& TsSystemMenu::AddCommand(UINT Command, const char* Name, const char* DefaultCaption) {
  const TacCommandText text = CommandText(WindowMenu(), Command);
  TMenuItem& item = Items().Add(text.Caption.empty() ? std::string(DefaultCaption) : text.Caption);
  item.SetName(Name);
  item.SetShortCutText(text.ShortCut);
  item.SetTag(static_cast<int32_t>(Command));
  item.OnClick = [this, Command](TObject*) {
    if (FForm && FForm->HandleAllocated()) PostMessageW(FForm->Handle(), WM_SYSCOMMAND, Command, 0);
  };
  return item;
}

void TsSystemMenu::Generate() {
  Items().Clear();
  ItemRestore = ItemMove = ItemSize = ItemMinimize = ItemMaximize = ItemClose = nullptr;
  ExtItemsCount = 0;
  const HMENU menu = WindowMenu();
  if (!menu) return;
  ItemRestore = &AddCommand(SC_RESTORE, "acIR", "Restore");
  ItemMove = &AddCommand(SC_MOVE, "acIM", "Move");
  ItemSize = &AddCommand(SC_SIZE, "acIS", "Size");
  ItemMinimize = &AddCommand(SC_MINIMIZE, "acIN", "Minimize");
  ItemMaximize = &AddCommand(SC_MAXIMIZE, "acIX", "Maximize");
  Items().Add("-");
  // What the program added to the window's menu stays in it, with its own command.
  for (const auto& [command, text] : ExtraCommands(menu)) {
    TMenuItem& item = Items().Add(text.Caption);
    item.SetShortCutText(text.ShortCut);
    item.SetTag(static_cast<int32_t>(command));
    item.OnClick = [this, id = command](TObject*) {
      if (FForm && FForm->HandleAllocated()) PostMessageW(FForm->Handle(), WM_SYSCOMMAND, id, 0);
    };
    ++ExtItemsCount;
  }
  if (ExtItemsCount > 0) Items().Add("-");
  ItemClose = &AddCommand(SC_CLOSE, "acIC", "Close");
  UpdateItems();
}

void TsSystemMenu::UpdateItems(bool Full) {
  if (Full || !ItemClose || ExtraCommands(WindowMenu()).size() != static_cast<size_t>(ExtItemsCount)) Generate();
  if (!ItemClose) return;
  ItemRestore->SetVisible(VisibleRestore());
  ItemRestore->SetEnabled(EnabledRestore());
  ItemMove->SetVisible(HasSystemMenuIcon());
  ItemMove->SetEnabled(EnabledMove());
  ItemSize->SetVisible(VisibleSize());
  ItemSize->SetEnabled(EnabledSize());
  ItemMinimize->SetVisible(VisibleMin());
  ItemMinimize->SetEnabled(EnabledMin());
  ItemMaximize->SetVisible(VisibleMax());
  ItemMaximize->SetEnabled(EnabledMax());
  ItemClose->SetVisible(VisibleClose());
  ItemClose->SetEnabled(EnabledClose());
}

namespace {

bool SingleOrSizeable(TFormBorderStyle Style) {
  return Style == TFormBorderStyle::bsSingle || Style == TFormBorderStyle::bsSizeable;
}

}  // namespace

bool TsSystemMenu::VisibleRestore() { return HasSystemMenuIcon() && SingleOrSizeable(FForm->BorderStyle()); }

bool TsSystemMenu::VisibleSize() {
  const TFormBorderStyle style = FForm->BorderStyle();
  return HasSystemMenuIcon() && style != TFormBorderStyle::bsNone && style != TFormBorderStyle::bsDialog &&
         style != TFormBorderStyle::bsToolWindow;
}

bool TsSystemMenu::VisibleMin() {
  const bool iconic = FForm->HandleAllocated() && IsIconic(FForm->Handle());
  return HasSystemMenuIcon() &&
         (iconic || (SingleOrSizeable(FForm->BorderStyle()) && FForm->BorderIcons().Contains(TBorderIcon::biMinimize)));
}

bool TsSystemMenu::VisibleMax() {
  const bool iconic = FForm->HandleAllocated() && IsIconic(FForm->Handle());
  const bool mainOnTaskBar = FForm == Application().MainForm();
  return HasSystemMenuIcon() && ((iconic && !mainOnTaskBar) || (SingleOrSizeable(FForm->BorderStyle()) &&
                                                                 FForm->BorderIcons().Contains(TBorderIcon::biMaximize)));
}

bool TsSystemMenu::VisibleClose() {
  const HMENU menu = WindowMenu();
  if (!menu) return HasSystemMenuIcon();
  return GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) != static_cast<UINT>(-1);
}

bool TsSystemMenu::EnabledRestore() {
  const HWND window = FForm->HandleAllocated() ? FForm->Handle() : nullptr;
  const bool iconic = window && IsIconic(window), zoomed = window && IsZoomed(window);
  return (FForm->BorderIcons().Contains(TBorderIcon::biMaximize) && (zoomed || iconic)) || iconic;
}

bool TsSystemMenu::EnabledMove() { return !(FForm->HandleAllocated() && IsZoomed(FForm->Handle())); }

bool TsSystemMenu::EnabledSize() {
  return FForm->BorderStyle() != TFormBorderStyle::bsSingle && !(FForm->HandleAllocated() && IsIconic(FForm->Handle()));
}

bool TsSystemMenu::EnabledMin() { return FForm->BorderIcons().Contains(TBorderIcon::biMinimize); }

bool TsSystemMenu::EnabledMax() {
  return SingleOrSizeable(FForm->BorderStyle()) && FForm->BorderIcons().Contains(TBorderIcon::biMaximize);
}

bool TsSystemMenu::EnabledClose() {
  const HMENU menu = WindowMenu();
  if (!menu) return HasSystemMenuIcon();
  const UINT state = GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && !(state & (MF_DISABLED | MF_GRAYED));
}

void TsSystemMenu::MakeSkinItems() {
  TMenuItem& items = Items();
  for (size_t i = items.Count(); i-- > 0;)
    if (items.Items(i)->Name() == kSkinSelectItem || items.Items(i)->Name() == kSkinSelectLine) items.Delete(i);
  TsSkinManager* manager = FOwner.SkinManager();
  if (!manager) return;
  TStringList names;
  manager->GetSkinNames(names);
  if (names.Count() == 0) return;
  auto list = std::make_unique<TMenuItem>();
  list->SetName(kSkinSelectItem);
  list->SetCaption("Skin");
  for (size_t i = 0; i < names.Count(); ++i) {
    const std::string name = names[i];
    TMenuItem& skin = list->Add(name);
    skin.SetName(kSkinSelectItem + std::to_string(i));
    skin.SetRadioItem(true);
    const bool current = name == manager->SkinName();
    skin.SetChecked(current);
    skin.SetDefault(current);
    skin.SetBreak(i > 0 && i % kSkinsPerColumn == 0);
    skin.OnClick = [manager, name](TObject*) { manager->SetSkinName(name); };
  }
  auto line = std::make_unique<TMenuItem>();
  line->SetName(kSkinSelectLine);
  line->SetCaption("-");
  items.Insert(0, std::move(line));
  items.Insert(0, std::move(list));
}
