#include <gtest/gtest.h>

#include "Design.h"
#include "OptionsTemplate.h"
#include "base/Exception.h"

namespace {

const Design TestDesign(
    "[Palette]\n"
    "Accent=#427FED\n"
    "Veil=#00000080\n"
    "Wrong=427FED\n"
    "Short=#42F\n"
    "Letters=#42ZZED\n"
    "[Sizes]\n"
    "Radius=4.5\n"
    "Whole=3\n"
    "Bad=four\n");

TEST(OrvaleDesignValues, ColoursAndNumbersAreParsed) {
  const Colour accent = TestDesign.Col("Palette", "Accent");
  EXPECT_FLOAT_EQ(accent.R, 0x42 / 255.0f);
  EXPECT_FLOAT_EQ(accent.A, 1.0f);
  EXPECT_NEAR(TestDesign.Col("Palette", "Veil").A, 128 / 255.0f, 1e-6);
  EXPECT_FLOAT_EQ(TestDesign.Num("Sizes", "Radius"), 4.5f);
  // Skin colours put red in the low byte.
  EXPECT_EQ(SkinColourValue(accent), "15564610");
}

TEST(OrvaleDesignValues, MissingOrMalformedValuesStopWithTheirName) {
  struct Case {
    const char* Section;
    const char* Key;
    bool Colour;
  };
  const Case cases[] = {{"Palette", "Missing", true}, {"Palette", "Wrong", true},  {"Palette", "Short", true},
                        {"Palette", "Letters", true}, {"Sizes", "Bad", false},     {"Nowhere", "Radius", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Key);
    try {
      if (c.Colour)
        TestDesign.Col(c.Section, c.Key);
      else
        TestDesign.Num(c.Section, c.Key);
      ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
      EXPECT_NE(std::string(e.what()).find(c.Key), std::string::npos) << e.what();
    }
  }
}

TEST(OrvaleOptionsTemplate, FillsColoursAndElementsAndKeepsTheRest) {
  EXPECT_EQ(FillOptionsTemplate("[EDIT]\nBORDERCOLOR1={Palette.Accent}\nBOXCHECKED={=BOXCHECKED}\nX=1\n", TestDesign),
            "[EDIT]\nBORDERCOLOR1=15564610\nBOXCHECKED=@0057@0135@0108@0152@3@0\nX=1\n");
  EXPECT_EQ(FillOptionsTemplate("BORDERRADIUS={Sizes.Whole}", TestDesign), "BORDERRADIUS=3");
  EXPECT_EQ(FillOptionsTemplate("no placeholders", TestDesign), "no placeholders");
}

TEST(OrvaleOptionsTemplate, RejectsUnknownAndMalformedPlaceholders) {
  EXPECT_THROW(FillOptionsTemplate("A={=NOSUCHELEMENT}", TestDesign), Exception);
  EXPECT_THROW(FillOptionsTemplate("A={Palette}", TestDesign), Exception);
  EXPECT_THROW(FillOptionsTemplate("A={Palette.Accent", TestDesign), Exception);
  EXPECT_THROW(FillOptionsTemplate("A={Palette.Nothing}", TestDesign), Exception);
  EXPECT_THROW(FillOptionsTemplate("A={Sizes.Radius}", TestDesign), Exception) << "options take whole numbers";
}

}  // namespace
