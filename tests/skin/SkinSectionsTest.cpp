#include <gtest/gtest.h>

#include "skin/SkinSections.h"

namespace {

// The 73 sections of the application's stored skin, in file order.
const char* const kStoredSkinSections[] = {
    "GLOBALINFO", "DIVIDER", "EXTRALINE", "GRIPH", "GROUPBOX", "HINT", "MAINMENU", "MENULINE", "STATUSBAR", "TABTOP",
    "PAGECONTROL", "PANEL_LOW", "BARPANEL", "PANEL", "DRAGBAR", "SELECTION", "SCROLLBAR1H", "SCROLLBAR1V",
    "SCROLLSLIDERH", "SCROLLSLIDERV", "DIVIDERV", "FORMTITLE", "MENUITEM", "FORM", "COLHEADER", "MENUCAPTION",
    "RIBBONTAB", "MDIAREA", "TABLEFT", "TABRIGHT", "TABBOTTOM", "ICOLINE", "BUTTON", "BARTITLE", "BUTTON_HUGE",
    "MENUBTN", "SPLITTER", "UPDOWNBTN", "WEBBUTTON", "TB_TAB", "TB_BTN", "TB_MENUBTN", "SCROLLBAR2H", "SCROLLBAR2V",
    "SCROLLBTNTOP", "SCROLLBTNLEFT", "SCROLLBTNBOTTOM", "SCROLLBTNRIGHT", "TOOLBAR", "BAR", "GAUGE", "DIALOG",
    "SPEEDBUTTON", "SPEEDBUTTON_SMALL", "COMBOBTN", "PROGRESSH", "PROGRESSV", "TOOLBUTTON", "BUTTON_BIG", "EDIT",
    "COMBOBOX", "ALPHAEDIT", "ALPHACOMBOBOX", "PAGECONTROLBOTTOM", "PAGECONTROLLEFT", "PAGECONTROLRIGHT",
    "RIBBONPAGE", "SLIDER_OFF", "SLIDER_ON", "THUMB_OFF", "THUMB_ON", "CHECKBOX", "TRACKBAR"};

TMemIniFile OptionsWith(const std::vector<std::string>& sections) {
  std::string text;
  for (const std::string& s : sections) text += "[" + s + "]\nCOLOR=1\n";
  TMemIniFile ini(true);
  ini.SetText(text);
  return ini;
}

TEST(SkinSections, StoredSkinLayoutGivesSeventyNineRecords) {
  const TMemIniFile options =
      OptionsWith(std::vector<std::string>(std::begin(kStoredSkinSections), std::end(kStoredSkinSections)));
  std::vector<std::string> names = SectionRecordNames(options);
  ASSERT_EQ(names.size(), 75u);
  const TacStandardSlots slots = AssignStandardSlots(names);
  ASSERT_EQ(names.size(), 79u);
  for (size_t i = 0; i < std::size(kStoredSkinSections); ++i) EXPECT_EQ(names[i], kStoredSkinSections[i]);
  const struct {
    const char* name;
    int index;
  } records[] = {{"GLOBALINFO", 0}, {"DIVIDER", 1}, {"TRACKBAR", 72}, {"TRANSPARENT", 73}, {"MAINCOLOR", 74},
                 {"DIALOGTITLE", 75}, {"COLHEADERA", 76}, {"COLHEADERL", 77}, {"COLHEADERR", 78}};
  for (const auto& r : records) EXPECT_EQ(FindSectionIndex(names, r.name), r.index) << r.name;

  EXPECT_EQ(slots.Sections[ssDialogTitle], FindSectionIndex(names, "FORMTITLE"));
  EXPECT_EQ(slots.Sections[ssColHeaderA], FindSectionIndex(names, "COLHEADER"));
  EXPECT_EQ(slots.Sections[ssFormHeader], -1);
  EXPECT_EQ(slots.Sections[ssTransparent], 73);
  EXPECT_EQ(slots.Sections[ssMenuItem], 22);
  EXPECT_EQ(slots.Sections[ssComboNoEdit], -1);  // early slots never borrow
  ASSERT_EQ(slots.Copies.size(), 4u);
  EXPECT_EQ(slots.Copies[0].ClassName, "DIALOGTITLE");
  EXPECT_EQ(slots.Copies[0].ParentClass, "FORMTITLE");
  EXPECT_EQ(slots.Copies[0].CopyOf, 21);
  EXPECT_EQ(slots.Copies[3].ClassName, "COLHEADERR");
  EXPECT_EQ(slots.Copies[3].ParentClass, "COLHEADER");
  EXPECT_EQ(slots.Copies[3].CopyOf, 24);
}

TEST(SkinSections, MissingLateSlotsBorrowTheirFallback) {
  std::vector<std::string> names = SectionRecordNames(OptionsWith({"GLOBALINFO", "SPEEDBUTTON", "TOOLBAR"}));
  const TacStandardSlots slots = AssignStandardSlots(names);
  EXPECT_EQ(slots.Sections[ssMenuButton], 1);
  EXPECT_EQ(slots.Sections[ssMenuCaption], 2);
  const int menuBtn = FindSectionIndex(names, "MENUBTN");
  ASSERT_GE(menuBtn, 0);
  const auto copy = std::find_if(slots.Copies.begin(), slots.Copies.end(),
                                 [](const TacSectionCopy& c) { return c.ClassName == "MENUBTN"; });
  ASSERT_NE(copy, slots.Copies.end());
  EXPECT_EQ(copy->CopyOf, 1);
  EXPECT_EQ(copy->ParentClass, "SPEEDBUTTON");
  // Slots without a fallback stay empty and get no record.
  for (TacSection s : {ssMenuLine, ssFormHeader, ssTBMenuBtn}) {
    EXPECT_EQ(slots.Sections[s], -1);
    EXPECT_EQ(FindSectionIndex(names, acSectionNames[s]), -1);
  }
  // A fallback that is missing itself leaves an empty record behind.
  const auto tbBtn = std::find_if(slots.Copies.begin(), slots.Copies.end(),
                                  [](const TacSectionCopy& c) { return c.Slot == ssTBBtn; });
  ASSERT_NE(tbBtn, slots.Copies.end());
  EXPECT_EQ(tbBtn->CopyOf, -1);
  EXPECT_EQ(slots.Sections[ssTBBtn], -1);
  // Copies are numbered after everything else, in slot order.
  for (size_t i = 0; i < slots.Copies.size(); ++i)
    EXPECT_EQ(FindSectionIndex(names, slots.Copies[i].ClassName), static_cast<int>(5 + i));
}

TEST(SkinSections, OwnTransparentAndMainColorAreKeptWhereTheyStand) {
  std::vector<std::string> names = SectionRecordNames(OptionsWith({"MAINCOLOR", "GLOBALINFO"}));
  EXPECT_EQ(names, (std::vector<std::string>{"MAINCOLOR", "GLOBALINFO", "TRANSPARENT"}));
}

TEST(SkinSections, CommonSectionsTheSkinLacksComeBeforeTheSynthesizedOnes) {
  TMemIniFile common(true);
  common.SetText("; extra sections\n[MYPANEL]\nPARENTCLASS=PANEL\n[PANEL]\nCOLOR=0x10\n");
  const std::vector<std::string> names = SectionRecordNames(OptionsWith({"GLOBALINFO", "PANEL"}), &common);
  EXPECT_EQ(names, (std::vector<std::string>{"GLOBALINFO", "PANEL", "MYPANEL", "TRANSPARENT", "MAINCOLOR"}));
}

TEST(SkinSections, LookupIsExactAndCaseSensitive) {
  const std::vector<std::string> names{"EDIT", "Edit", "EDIT"};
  EXPECT_EQ(FindSectionIndex(names, "EDIT"), 0);
  EXPECT_EQ(FindSectionIndex(names, "Edit"), 1);
  EXPECT_EQ(FindSectionIndex(names, "edit"), -1);
  EXPECT_EQ(FindSectionIndex(names, ""), -1);
}

}  // namespace
