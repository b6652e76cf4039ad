#include <gtest/gtest.h>

#include "base/Exception.h"
#include "framework/DefinitionReader.h"
#include "framework/Form.h"
#include "framework/StoredDefinition.h"

namespace {

TEST(StoredDefinition, ParsesEveryKindOfValue) {
  const TStoredObject root = ParseStoredDefinition(
      "object Form1: TForm\n"
      "  Left = -12\n"
      "  Tag = $FF\n"
      "  Version = 15.5\n"
      "  Caption = \"Копировать \\\"x\\\"\\n\"\n"
      "  Visible = True\n"
      "  BorderIcons = [biSystemMenu, biHelp]\n"
      "  Empty = []\n"
      "  Font.Name = \"Tahoma\"\n"
      "  Data = {\n"
      "    00FF7a\n"
      "    10 }\n"
      "  Items = <\n"
      "    item\n"
      "      Name = \"First\"\n"
      "    end\n"
      "    item\n"
      "    end>\n"
      "  object Child: TLabel\n"
      "  end\n"
      "end\n");
  EXPECT_EQ(root.Name, "Form1");
  EXPECT_EQ(root.ClassName, "TForm");
  ASSERT_EQ(root.Properties.size(), 10u);
  EXPECT_EQ(root.Properties[0].Value.Integer, -12);
  EXPECT_EQ(root.Properties[1].Value.Integer, 255);
  EXPECT_EQ(root.Properties[2].Value.Kind, TValueKind::vkFloat);
  EXPECT_DOUBLE_EQ(root.Properties[2].Value.Float, 15.5);
  EXPECT_EQ(root.Properties[3].Value.Text, "Копировать \"x\"\n");
  EXPECT_EQ(root.Properties[4].Value.Kind, TValueKind::vkIdent);
  EXPECT_EQ(root.Properties[5].Value.Names, (std::vector<std::string>{"biSystemMenu", "biHelp"}));
  EXPECT_TRUE(root.Properties[6].Value.Names.empty());
  EXPECT_EQ(root.Properties[7].Name, "Font.Name");
  EXPECT_EQ(root.Properties[8].Value.Bytes, (std::vector<uint8_t>{0x00, 0xFF, 0x7A, 0x10}));
  ASSERT_EQ(root.Properties[9].Value.Items.size(), 2u);
  EXPECT_EQ(root.Properties[9].Value.Items[0].Properties[0].Value.Text, "First");
  EXPECT_EQ(root.Properties[9].Line, 13);
  ASSERT_EQ(root.Children.size(), 1u);
  EXPECT_EQ(root.Children[0].Line, 19);
}

struct BadDefinition {
  const char* Text;
  const char* Message;
};

class BadDefinitionTest : public testing::TestWithParam<BadDefinition> {};

TEST_P(BadDefinitionTest, NamesTheLine) {
  TForm form(nullptr);
  try {
    ReadComponentFromText(form, GetParam().Text, "Unit9");
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), GetParam().Message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    StoredDefinition, BadDefinitionTest,
    testing::Values(
        BadDefinition{"object F: TForm\n  object X: TNoSuchClass\n  end\nend\n",
                      "Error reading Unit9: Line 2: Class TNoSuchClass not found"},
        BadDefinition{"object F: TForm\n  Left = 1\n  Colour = clRed\nend\n",
                      "Error reading Unit9: Line 3: Property Colour does not exist"},
        BadDefinition{"object F: TForm\n  Font.Shape = 1\nend\n",
                      "Error reading Unit9: Line 2: Property Font.Shape does not exist"},
        BadDefinition{"object F: TForm\n  Left = \"ten\"\nend\n",
                      "Error reading Unit9: Line 2: Invalid value of property Left: Integer expected"},
        BadDefinition{"object F: TForm\n  Visible = Maybe\nend\n",
                      "Error reading Unit9: Line 2: Invalid value of property Visible: True or False expected"},
        BadDefinition{"object F: TForm\n  BorderStyle = bsRound\nend\n",
                      "Error reading Unit9: Line 2: Invalid value of property BorderStyle: Invalid property value "
                      "bsRound"},
        BadDefinition{"object F: TForm\n  Left = 99999999999\nend\n",
                      "Error reading Unit9: Line 2: Invalid number 99999999999"},
        BadDefinition{"object F: TForm\n  OnShow = NoSuchMethod\nend\n",
                      "Error reading Unit9: Line 2: Invalid value of property OnShow: Method NoSuchMethod not "
                      "found in TForm"},
        BadDefinition{"object F: TForm\n  Tag = {0A1\n  }\nend\n",
                      "Error reading Unit9: Line 2: Truncated binary data: odd number of hexadecimal digits"},
        BadDefinition{"object F: TForm\n  Tag = {0A10\n  0B",
                      "Error reading Unit9: Line 2: Truncated binary data: \"}\" missing"},
        BadDefinition{"object F: TForm\n  Tag = {0A1G}\nend\n", "Error reading Unit9: Line 2: Invalid binary data"},
        BadDefinition{"object F: TForm\n  Caption = \"open\nend\n", "Error reading Unit9: Line 2: Unterminated string"},
        BadDefinition{"object F: TForm\n  Left = 1\n", "Error reading Unit9: Line 1: Object F has no \"end\""},
        BadDefinition{"object F: TForm\n  object L: TLabel\n  end\n  Left = 1\nend\n",
                      "Error reading Unit9: Line 4: Property Left after a child object"},
        BadDefinition{"object F: TLabel\nend\n",
                      "Error reading Unit9: Line 1: Definition of TLabel cannot be read into TForm"},
        BadDefinition{"object F: TForm\n  object L: TLabel\n    object M: TLabel\n    end\n  end\nend\n",
                      "Error reading Unit9: Line 3: Control M cannot be placed on L"},
        BadDefinition{"object F: TForm\n  object L: TLabel\n  end\n  object L: TLabel\n  end\nend\n",
                      "Error reading Unit9: Line 4: A component named L already exists"},
        BadDefinition{"object F: TForm\nend\ntrailing\n", "Error reading Unit9: Line 3: End of definition expected"}));

}  // namespace
