#include "framework/Cursors.h"

#include <array>
#include <utility>

namespace {
struct CursorEntry {
  std::string_view Name;
  TCursor Value;
  LPCWSTR SystemId;
};

const std::array<CursorEntry, 16> kCursors{{
    {"crDefault", crDefault, nullptr},      {"crNone", crNone, nullptr},
    {"crArrow", crArrow, IDC_ARROW},        {"crCross", crCross, IDC_CROSS},
    {"crIBeam", crIBeam, IDC_IBEAM},        {"crSizeNESW", crSizeNESW, IDC_SIZENESW},
    {"crSizeNS", crSizeNS, IDC_SIZENS},     {"crSizeNWSE", crSizeNWSE, IDC_SIZENWSE},
    {"crSizeWE", crSizeWE, IDC_SIZEWE},     {"crUpArrow", crUpArrow, IDC_UPARROW},
    {"crHourGlass", crHourGlass, IDC_WAIT}, {"crNo", crNo, IDC_NO},
    {"crAppStart", crAppStart, IDC_APPSTARTING}, {"crHelp", crHelp, IDC_HELP},
    {"crHandPoint", crHandPoint, IDC_HAND}, {"crSizeAll", crSizeAll, IDC_SIZEALL},
}};
}  // namespace

bool IdentToCursor(std::string_view ident, TCursor& cursor) {
  for (const CursorEntry& entry : kCursors)
    if (entry.Name == ident) {
      cursor = entry.Value;
      return true;
    }
  return false;
}

HCURSOR CursorHandle(TCursor cursor) {
  for (const CursorEntry& entry : kCursors)
    if (entry.Value == cursor) return entry.SystemId ? LoadCursorW(nullptr, entry.SystemId) : nullptr;
  return nullptr;
}
