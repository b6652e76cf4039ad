#include <gtest/gtest.h>

#include "base/IniFile.h"

namespace {

TMemIniFile Parse(const char* text, bool caseSensitive = true) {
  TMemIniFile ini(caseSensitive);
  ini.SetText(text);
  return ini;
}

TEST(IniFile, RepeatedSectionHeadersMergeAtTheFirstPosition) {
  const TMemIniFile ini = Parse(
      "[GLOBALINFO]\nVERSION=15\n[EDIT]\nCOLOR=1\n[BUTTON]\nCOLOR=2\n[EDIT]\nSTATES=2\n");
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"GLOBALINFO", "EDIT", "BUTTON"}));
  EXPECT_EQ(ini.ReadSection("EDIT"), (std::vector<std::string>{"COLOR", "STATES"}));
  EXPECT_EQ(ini.ReadInteger("EDIT", "STATES", 0), 2);
}

TEST(IniFile, RepeatedKeyAnswersWithItsLastValueAndIsListedOnce) {
  const TMemIniFile ini = Parse("[PANEL]\nCOLOR=16777215\nSTATES=1\nCOLOR=255\n");
  EXPECT_EQ(ini.ReadInteger("PANEL", "COLOR", 0), 255);
  EXPECT_EQ(ini.ReadSection("PANEL"), (std::vector<std::string>{"COLOR", "STATES"}));
}

TEST(IniFile, LinesAreTrimmedCommentsAndStrayLinesIgnored) {
  const TMemIniFile ini = Parse(
      "\xEF\xBB\xBF"
      "ORPHAN=1\r\n"
      "  [ GLOBALINFO ]  \r\n"
      "; a comment\r"
      "\t MASTERBITMAP  =  MASTER COPY.PNG \t\r\n"
      "NOVALUE\n"
      "EMPTY=\n"
      "A=B=C\n");
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"GLOBALINFO"}));
  EXPECT_EQ(ini.ReadString("GLOBALINFO", "MASTERBITMAP", "?"), "MASTER COPY.PNG");
  EXPECT_EQ(ini.ReadString("GLOBALINFO", "NOVALUE", "?"), "");
  EXPECT_TRUE(ini.ValueExists("GLOBALINFO", "NOVALUE"));
  EXPECT_EQ(ini.ReadString("GLOBALINFO", "EMPTY", "?"), "");
  EXPECT_EQ(ini.ReadString("GLOBALINFO", "A", "?"), "B=C");
  EXPECT_FALSE(ini.ValueExists("GLOBALINFO", "ORPHAN"));
  EXPECT_FALSE(ini.ValueExists("GLOBALINFO", "; a comment"));
}

TEST(IniFile, CaseSensitiveModeKeepsKeysThatDifferOnlyInCase) {
  const char* text = "[GLOBALINFO]\nMainFont=Tahoma\nmainfont=Arial\n";
  const TMemIniFile exact = Parse(text, true);
  EXPECT_EQ(exact.ReadString("GLOBALINFO", "MainFont", ""), "Tahoma");
  EXPECT_EQ(exact.ReadString("GLOBALINFO", "mainfont", ""), "Arial");
  EXPECT_EQ(exact.ReadString("globalinfo", "MainFont", "none"), "none");

  const TMemIniFile folded = Parse(text, false);
  EXPECT_EQ(folded.ReadString("globalinfo", "MAINFONT", ""), "Arial");
  EXPECT_EQ(folded.ReadSection("GLOBALINFO"), (std::vector<std::string>{"MainFont"}));
}

TEST(IniFile, TypedReadersFallBackToTheDefaultOnBadValues) {
  const TMemIniFile ini = Parse("[S]\nI=0x10\nBAD=12px\nF=15.5\nFBAD=15,5\nB=0\n");
  EXPECT_EQ(ini.ReadInteger("S", "I", -1), 16);
  EXPECT_EQ(ini.ReadInteger("S", "BAD", -7), -7);
  EXPECT_EQ(ini.ReadInteger("S", "MISSING", -7), -7);
  EXPECT_EQ(ini.ReadInteger("MISSING", "I", -7), -7);
  EXPECT_DOUBLE_EQ(ini.ReadFloat("S", "F", 0), 15.5);
  EXPECT_DOUBLE_EQ(ini.ReadFloat("S", "FBAD", 0), 0);
  EXPECT_FALSE(ini.ReadBool("S", "B", true));
  EXPECT_TRUE(ini.ReadBool("S", "MISSING", true));
}

TEST(IniFile, WritesAddSectionsAndReplaceValues) {
  TMemIniFile ini(false);
  ini.WriteString("Form", "Caption", "One");
  ini.WriteInteger("form", "caption", 2);
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"Form"}));
  EXPECT_EQ(ini.ReadString("FORM", "CAPTION", ""), "2");
}

}  // namespace
