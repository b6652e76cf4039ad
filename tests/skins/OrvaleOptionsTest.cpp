#include <gtest/gtest.h>

#include "OrvaleTestData.h"
#include "base/IniFile.h"
#include "skin/ElementReference.h"

namespace {

// Skin sections and keys are matched case-sensitively, as the engine does.
TMemIniFile LoadOptions() {
  const std::vector<uint8_t> bytes = CommittedSkinFile("Options.dat");
  TMemIniFile ini(true);
  ini.SetText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  return ini;
}

TEST(OrvaleOptions, HasTheSeventyThreeSectionsInTheirOrder) {
  const std::vector<std::string> expected = {
      "GLOBALINFO", "DIVIDER", "EXTRALINE", "GRIPH", "GROUPBOX", "HINT", "MAINMENU", "MENULINE", "STATUSBAR",
      "TABTOP", "PAGECONTROL", "PANEL_LOW", "BARPANEL", "PANEL", "DRAGBAR", "SELECTION", "SCROLLBAR1H",
      "SCROLLBAR1V", "SCROLLSLIDERH", "SCROLLSLIDERV", "DIVIDERV", "FORMTITLE", "MENUITEM", "FORM", "COLHEADER",
      "MENUCAPTION", "RIBBONTAB", "MDIAREA", "TABLEFT", "TABRIGHT", "TABBOTTOM", "ICOLINE", "BUTTON", "BARTITLE",
      "BUTTON_HUGE", "MENUBTN", "SPLITTER", "UPDOWNBTN", "WEBBUTTON", "TB_TAB", "TB_BTN", "TB_MENUBTN",
      "SCROLLBAR2H", "SCROLLBAR2V", "SCROLLBTNTOP", "SCROLLBTNLEFT", "SCROLLBTNBOTTOM", "SCROLLBTNRIGHT",
      "TOOLBAR", "BAR", "GAUGE", "DIALOG", "SPEEDBUTTON", "SPEEDBUTTON_SMALL", "COMBOBTN", "PROGRESSH",
      "PROGRESSV", "TOOLBUTTON", "BUTTON_BIG", "EDIT", "COMBOBOX", "ALPHAEDIT", "ALPHACOMBOBOX",
      "PAGECONTROLBOTTOM", "PAGECONTROLLEFT", "PAGECONTROLRIGHT", "RIBBONPAGE", "SLIDER_OFF", "SLIDER_ON",
      "THUMB_OFF", "THUMB_ON", "CHECKBOX", "TRACKBAR"};
  ASSERT_EQ(expected.size(), 73u);
  EXPECT_EQ(LoadOptions().ReadSections(), expected);
}

struct OptionFact {
  const char* Section;
  const char* Key;
  const char* Value;
};

// Values that the engine, the main window and the palette depend on.
const OptionFact Facts[] = {
    {"GLOBALINFO", "MASTERBITMAP", "MASTER COPY.PNG"},
    {"GLOBALINFO", "VERSION", "15.00"},
    // Frame of the main window: extended borders wholly from the frame image.
    {"GLOBALINFO", "EXBORDER", "&0000000001000080002000460021002120317000000EXTBORD.PNG"},
    {"GLOBALINFO", "BORDERMODE", "1"},
    {"GLOBALINFO", "FORMOFFSET", "14"},
    {"GLOBALINFO", "BORDERWIDTH", "4"},
    {"GLOBALINFO", "TITLEHEIGHT", "32"},
    {"GLOBALINFO", "MAXHEIGHT", "28"},
    {"GLOBALINFO", "CENTEROFFSET", "-1"},
    {"GLOBALINFO", "BIRIGHT", "0"},
    {"GLOBALINFO", "BISPACE", "1"},
    {"GLOBALINFO", "COMBOMARGIN", "1"},
    {"GLOBALINFO", "SLIDERMARGIN", "0"},
    {"GLOBALINFO", "SHADOW1OFFSET", "1"},
    {"GLOBALINFO", "SHADOW1BLUR", "3"},
    {"GLOBALINFO", "BOXCHECKED", "@0057@0135@0108@0152@3@0"},
    // Palette.
    {"GLOBALINFO", "COLOR", "16777215"},
    {"GLOBALINFO", "FONTCOLOR", "0"},
    {"GLOBALINFO", "TCBOTTOM", "11230512"},
    {"GLOBALINFO", "TCTOP", "15564610"},
    {"GLOBALINFO", "BORDERCOLOR", "12632256"},
    {"GLOBALINFO", "BTNCOLOR1NORMAL", "-723724"},
    {"GLOBALINFO", "BTNBORDERNORMAL", "13027014"},
    {"GLOBALINFO", "EDITBG_EVEN", "16185078"},
    {"EDIT", "COLOR", "16777215"},
    {"EDIT", "FONTCOLOR", "0"},
    {"SELECTION", "COLOR", "16759947"},
    {"SELECTION", "HOTCOLOR", "15564610"},
    {"SELECTION", "HOTFONTCOLOR", "16777215"},
    // Section data.
    {"EDIT", "STATES", "2"},
    {"EDIT", "GLOW", "1"},
    {"EDIT", "GLOWMARGIN", "2"},
    {"EDIT", "OUTERMODE", "1"},
    {"EDIT", "BORDERCOLOR0", "14408667"},
    {"EDIT", "BORDERCOLOR1", "15564610"},
    {"EDIT", "GLOW0", "!GLOWEDIT.PNG!1!0!3!0007!0007!0007!0007!1"},
    {"SCROLLSLIDERH", "STATES", "2"},
    {"SCROLLSLIDERH", "COLOR", "12105912"},
    {"DIVIDER", "STATES", "1"},
    {"BUTTON", "STATES", "3"},
    {"BUTTON", "USESTATE2", "0"},
    {"MENUBTN", "USESTATE2", "1"},
    {"MENUBTN", "COLOR2", "11821619"},
    {"MENUBTN", "FONTCOLOR2", "16777215"},
    {"MENUITEM", "LIGHT1", "-18031"},
    // Activation repaints the frame only when the form section has two states,
    // and the title and selection sections need two for their hot colours.
    {"FORM", "STATES", "2"},
    {"FORMTITLE", "STATES", "2"},
    {"SELECTION", "STATES", "2"},
    {"FORMTITLE", "HOTFONTCOLOR", "16777215"},
    {"FORMTITLE", "FONTCOLOR", "12303291"},
    {"FORMTITLE", "GSIZE", "0"},
};

TEST(OrvaleOptions, StatesTheValuesTheEngineReliesOn) {
  const TMemIniFile ini = LoadOptions();
  for (const OptionFact& fact : Facts) {
    SCOPED_TRACE(std::string(fact.Section) + " " + fact.Key);
    EXPECT_TRUE(ini.ValueExists(fact.Section, fact.Key));
    EXPECT_EQ(ini.ReadString(fact.Section, fact.Key, ""), fact.Value);
  }
}

TEST(OrvaleOptions, LeavesOutWhatMustFallBack) {
  const TMemIniFile ini = LoadOptions();
  // The close-alone glyph exists only for 200 %, so at 100 % the close glyph is used.
  EXPECT_FALSE(ini.ValueExists("GLOBALINFO", "BICLOSEALONE"));
  EXPECT_TRUE(ini.ValueExists("GLOBALINFO", "BICLOSEALONE*200"));
  // No "*150" metrics: at 144 PPI the plain metrics are scaled. (Elements
  // may have 150 % variants.)
  for (const std::string& key : ini.ReadSection("GLOBALINFO")) {
    if (IsElementReference(ini.ReadString("GLOBALINFO", key, ""))) continue;
    EXPECT_EQ(key.find("*150"), std::string::npos) << key;
  }
  EXPECT_TRUE(ini.ValueExists("GLOBALINFO", "BOXCHECKED*150"));
  // The hot thumb must not inherit a colour: no hot colour, no parent.
  EXPECT_FALSE(ini.ValueExists("SCROLLSLIDERH", "HOTCOLOR"));
  EXPECT_FALSE(ini.ValueExists("SCROLLSLIDERH", "PARENTCLASS"));
  // Caption colours come from the title section, without glow.
  EXPECT_FALSE(ini.ValueExists("FORMTITLE", "PARENTCLASS"));
  EXPECT_FALSE(ini.ValueExists("EDIT", "PARENTCLASS"));
}

TEST(OrvaleOptions, EveryParentClassNamesAnotherExistingSection) {
  const TMemIniFile ini = LoadOptions();
  for (const std::string& section : ini.ReadSections()) {
    if (!ini.ValueExists(section, "PARENTCLASS")) continue;
    const std::string parent = ini.ReadString(section, "PARENTCLASS", "");
    EXPECT_NE(parent, section);
    EXPECT_TRUE(ini.SectionExists(parent)) << section << " names " << parent;
  }
}

}  // namespace
