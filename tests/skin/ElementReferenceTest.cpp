#include <gtest/gtest.h>

#include "skin/ElementReference.h"

namespace {

TEST(ElementReference, EveryWrittenFormNormalizes) {
  const struct {
    const char* value;
    const char* normalized;
  } cases[] = {
      // glyph cut from the master bitmap
      {"@0057@0135@0108@0152@3@0", "&0057013501080152000000000000000030200000000"},
      // border with its own margins
      {"^0057^0001^0060^0002^0001^0000^0000^0000^1^0^1^1", "&0057000100600002000100000000000010001000000"},
      // border without margins: a uniform margin fills them all
      {"^0000^0000^0030^0020^0000^0000^0000^0000^1^0^5^4", "&0000000000300020000400040004000410005000000"},
      // border without margins and uniform 0: margins from the middle of a 3 x 3 frame
      {"^0000^0000^0006^0003^0000^0000^0000^0000^2^0^1^0", "&0000000000060003000100010001000120001000000"},
      // eleven fields only: margins stay as written
      {"^0000^0000^0006^0003^0000^0000^0000^0000^2^0^1", "&0000000000060003000000000000000020001000000"},
      // texture from the master bitmap, and from a file
      {"~0010~0020~0030~0040~13~1", "&0010002000300040000000000000000011113000000"},
      {"~0010~0020~0030~0040~07~0~TILE.BMP", "&0010002000300040000000000000000010107000000TILE.BMP"},
      // elements in their own files
      {"!GLOWEDIT.PNG!1!0!3!0007!0007!0007!0007!1", "&0000000000000000000700070007000710301000000GLOWEDIT.PNG"},
      {"!GLOWEDIT.PNG!1!0!3", "&0000000000000000000000000000000010300000000GLOWEDIT.PNG"},
      {"!EXTBORD.PNG!2!0!0!0020!0046!0021!0021!17", "&0000000000000000002000460021002120017000000EXTBORD.PNG"},
      {"!PAT.PNG!1!0!1!0000!0000!0000!0000!9", "&0000000000000000000000000000000010109000000PAT.PNG"},
      {"!ICONS.PNG!4!0!4!0010!0000!0090!0018!21", "&0010000000900018000000000000000040421000000ICONS.PNG"},
      {"!ICONS.PNG!4!0!9", "&0000000000000000000000000000000040400000000ICONS.PNG"},
      // already normalized, and bare file names
      {"&0000000001000080002000460021002120317000000EXTBORD.PNG",
       "&0000000001000080002000460021002120317000000EXTBORD.PNG"},
      {"BUTTONHUGE.BMP", "&0000000000000000000000000000000010100000000BUTTONHUGE.BMP"},
      // three characters or fewer
      {"@12", "&0000000000000000000000000000000030201000000"},
      {"!AB", "&0000000000000000000000000000000030001000000AB"},
      {"A.B", "&0000000000000000000000000000000030101000000A.B"},
      // short fields are read as numbers, not glued together
      {"@57@135@108@152@3@0", "&0057013501080152000000000000000030200000000"},
  };
  for (const auto& c : cases) EXPECT_EQ(NormalizeElementReference(c.value), c.normalized) << c.value;
}

TEST(ElementReference, NormalizedFormParsesBack) {
  const TacElementRef ref = ParseNormalizedReference("&0000000001000080002000460021002120317000000EXTBORD.PNG");
  EXPECT_EQ(ref.Left, 0);
  EXPECT_EQ(ref.Right, 100);
  EXPECT_EQ(ref.Bottom, 80);
  EXPECT_EQ(ref.WL, 20);
  EXPECT_EQ(ref.WT, 46);
  EXPECT_EQ(ref.WR, 21);
  EXPECT_EQ(ref.WB, 21);
  EXPECT_EQ(ref.ImageCount, 2);
  EXPECT_EQ(ref.MaskType, 0);
  EXPECT_EQ(ref.ImgType, itisaGlow);
  EXPECT_EQ(ref.DrawMode, 17);
  EXPECT_EQ(ref.FileName, "EXTBORD.PNG");

  const TacElementRef cut = ParseNormalizedReference("&00570135X");
  EXPECT_EQ(cut.Left, 57);
  EXPECT_EQ(cut.Top, 135);
  EXPECT_EQ(cut.Right, 0);
  EXPECT_EQ(cut.DrawMode, 0);
  EXPECT_TRUE(cut.FileName.empty());
}

TEST(ElementReference, OnlyImageValuesAreElements) {
  for (const char* yes : {"!A.PNG", "&000", "@1", "^1", "~1", "TILE.JPG", "X.BMP"}) EXPECT_TRUE(IsElementReference(yes)) << yes;
  for (const char* no : {"", "16777215", "TAHOMA", "A.PNG", "N/A"}) EXPECT_FALSE(IsElementReference(no)) << no;
}

}  // namespace
