// Reads a built menu back the way the system holds it, so tests see what a
// user would be shown rather than what the items were asked to be.
#pragma once

#include <windows.h>

#include <string>

struct MenuEntry {
  UINT Type, State, Command;
  std::wstring Text;
  bool HasSubMenu;

  bool Enabled() const { return !(State & (MFS_GRAYED | MFS_DISABLED)); }
  bool Line() const { return (Type & MFT_SEPARATOR) != 0; }
};

inline MenuEntry Entry(HMENU menu, UINT position) {
  wchar_t text[128] = {};
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU | MIIM_ID;
  info.dwTypeData = text;
  info.cch = 127;
  GetMenuItemInfoW(menu, position, TRUE, &info);
  return {info.fType, info.fState, info.wID, text, info.hSubMenu != nullptr};
}
