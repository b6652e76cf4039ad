#include "skin/SkinSections.h"

#include <algorithm>

#include "skin/SkinLimits.h"

const std::array<const char*, acSectionCount> acSectionNames = {
    "MENUITEM", "CHECKBOX", "SPEEDBUTTON", "SPEEDBUTTON_SMALL", "TOOLBUTTON", "TRANSPARENT", "GROUPBOX", "DIVIDER",
    "WEBBUTTON", "BUTTON", "COMBONOEDIT", "BUTTON_HUGE", "TOOLBAR", "EDIT", "GAUGE", "SELECTION", "STATUSBAR",
    "PANEL", "PANEL_LOW", "TRACKBAR", "PROGRESSV", "DRAGBAR", "GRIPH", "GRIPV", "PROGRESSH", "TABSHEET", "COMBOBOX",
    "CAPTION", "MAINMENU", "SPLITTER", "COMBOBTN", "FORMTITLE", "HINT", "DIVIDERV", "PAGECONTROL", "TABTOP",
    "BARPANEL", "BARTITLE", "DIALOG", "FORM", "SCROLLBTNLEFT", "SCROLLBTNTOP", "SCROLLBTNRIGHT", "SCROLLBTNBOTTOM",
    "SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V", "SCROLLSLIDERH", "SCROLLSLIDERV", "SLIDER_OFF",
    "SLIDER_ON", "THUMB_ON", "THUMB_OFF", "MENUCAPTION", "DIALOGTITLE", "MENUBTN", "MENULINE", "FORMHEADER", "TB_BTN",
    "TB_MENUBTN", "TB_TAB", "COLHEADER", "COLHEADERA", "COLHEADERL", "COLHEADERR", "UPDOWNBTN"};

TacSection SectionFallback(TacSection Slot) {
  switch (Slot) {
    case ssMenuCaption: return ssToolBar;
    case ssDialogTitle: return ssFormTitle;
    case ssMenuButton: return ssSpeedButton;
    case ssTBBtn: return ssToolButton;
    case ssTBTab: return ssTabTop;
    case ssColHeader: return ssButton;
    case ssColHeaderA:
    case ssColHeaderL:
    case ssColHeaderR: return ssColHeader;
    case ssUpDown: return ssButton;
    default: return Slot;
  }
}

std::vector<std::string> SkinSectionNames(const TMemIniFile& Options) {
  std::vector<std::string> names = Options.ReadSections();
  if (names.size() > acMaxSkinSections) names.resize(acMaxSkinSections);
  return names;
}

std::vector<std::string> SectionRecordNames(const TMemIniFile& Options, const TMemIniFile* CommonSections) {
  std::vector<std::string> names = SkinSectionNames(Options);
  if (CommonSections)
    for (const std::string& common : CommonSections->ReadSections())
      if (FindSectionIndex(names, common) < 0) names.push_back(common);
  for (const char* synthesized : {s_Transparent, s_MainColor})
    if (FindSectionIndex(names, synthesized) < 0) names.emplace_back(synthesized);
  return names;
}

int FindSectionIndex(const std::vector<std::string>& RecordNames, std::string_view Section) {
  const auto it = std::find(RecordNames.begin(), RecordNames.end(), Section);
  return it == RecordNames.end() ? -1 : static_cast<int>(it - RecordNames.begin());
}

TacStandardSlots AssignStandardSlots(std::vector<std::string>& RecordNames) {
  TacStandardSlots slots;
  for (int i = 0; i < acSectionCount; ++i) slots.Sections[i] = FindSectionIndex(RecordNames, acSectionNames[i]);
  for (int i = acFirstFallbackSlot; i < acSectionCount; ++i) {
    const auto slot = static_cast<TacSection>(i);
    const TacSection fallback = SectionFallback(slot);
    if (slots.Sections[i] >= 0 || fallback == slot) continue;
    slots.Sections[i] = slots.Sections[fallback];
    slots.Copies.push_back(TacSectionCopy{slot, acSectionNames[i], acSectionNames[fallback], slots.Sections[fallback]});
    RecordNames.emplace_back(acSectionNames[i]);
  }
  return slots;
}
