#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>

#include "../skin/SkinTestFiles.h"
#include "base/Exception.h"
#include "base/FileUtils.h"
#include "loader/OpenedSkin.h"
#include "paint/SkinPaint.h"
#include "skin/SkinLimits.h"

#if defined(__SANITIZE_ADDRESS__)
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

// Skins made to hurt, one of each kind found in damaged skins, each loaded
// at every resolution the way the manager loads it and painted section by
// section. Under the sanitizers of the native build any overflow or access
// outside a buffer fails the run; a case that never ends meets CTest's timeout.
namespace {

// Joined by appending: GCC 12 warns falsely (-Wrestrict) about chains of + on strings.
std::string Joined(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (const std::string_view part : parts) text += part;
  return text;
}

std::string Repeated(int32_t count, const std::function<std::string(int32_t)>& line) {
  std::string text;
  for (int32_t i = 0; i < count; ++i) text += line(i);
  return text;
}

struct HostileCase {
  const char* Name;
  std::string Options;
  // Checks the loaded skin data of one resolution; empty when the skin must not load.
  std::function<void(const TacSkinData&)> Check;
  std::string Error = {};  // part of the text of the refusal
};

const auto kNoCheck = [](const TacSkinData&) {};

// Every length of the skin data object stays within what the limits allow at 200 %.
void ExpectBoundedMetrics(const TacSkinData& d) {
  const int32_t most = 2 * acMaxSkinLength;
  for (const int32_t v : {d.ExContentOffs, d.ExTitleHeight, d.ExBorderWidth, d.ExMaxHeight, d.ExCenterOffs,
                          d.WndShadowSize, d.WndShadowOffset, d.WndShadowRadius, d.ExShadowOffs, d.BITopMargin})
    EXPECT_LE(std::abs(v), most);
  for (const TacOutEffData& e : d.oe)
    for (const int32_t v : {e.OffsetL, e.OffsetT, e.OffsetR, e.OffsetB, e.Blur, e.Radius, e.WidthL, e.WidthB})
      EXPECT_LE(std::abs(v), most);
  for (const TsGeneralData& g : d.gd) {
    EXPECT_GE(g.States, -1);
    EXPECT_LE(g.States, 255);
    for (const TsGenState& s : g.Props)
      for (const int32_t percent : {s.ImagePercent, s.GradientPercent})
        EXPECT_TRUE(percent >= 0 && percent <= 100) << g.ClassName;
  }
}

std::vector<HostileCase> Cases() {
  const std::string extreme = "=-2147483648\n", huge = "=2147483647\n";
  return {
      {"ExtremeFrameOffset", "[GLOBALINFO]\nBORDERMODE=0\nFORMOFFSET" + extreme + "TITLEHEIGHT=2000000000\n",
       [](const TacSkinData& d) {
         ExpectBoundedMetrics(d);
         EXPECT_LE(d.ExTitleHeight, 2 * acMaxSkinLength);
       }},
      {"ExtremeOuterEffects",
       "[GLOBALINFO]\nSH_OFFSETL" + huge + "SH_OFFSETB" + extreme + "SH_BLUR_OE" + huge + "SH_RADIUS_OE" + extreme +
           "LO_WIDTHL" + huge + "LO_OFFSETT" + huge + "LO_SOURCE=2\n",
       ExpectBoundedMetrics},
      {"ExtremeWindowShadow", "[GLOBALINFO]\nWSHSIZE" + huge + "WSHOFFS" + extreme + "WSHRAD" + huge,
       [](const TacSkinData& d) {
         ExpectBoundedMetrics(d);
         ASSERT_TRUE(d.ShdaTemplate);
         EXPECT_LE(d.ShdaTemplate->Width(), 16 * acMaxSkinLength);
       }},
      {"ExtremeSectionValues",
       "[BUTTON]\nSTATES" + extreme + "BORDERRADIUS" + extreme + "BORDERWIDTH" + huge + "OUTBLUR" + extreme +
           "OUTOFFSL" + extreme + "TRANSPARENCY" + huge + "IMAGEPERCENT" + huge + "GRADIENTPERCENT" + extreme +
           "OUTERMODE=3\n[EDIT]\nSTATES" + huge,
       ExpectBoundedMetrics},
      {"DeepParentChain",
       Repeated(1000, [](int32_t i) {
         return Joined({"[S", std::to_string(i), "]\nPARENTCLASS=S", std::to_string(i + 1), "\n"});
       }),
       [](const TacSkinData& d) { EXPECT_GE(d.gd.size(), 1000u); }},
      {"ParentLoop",
       Repeated(1000, [](int32_t i) {
         return Joined({"[L", std::to_string(i), "]\nPARENTCLASS=L", std::to_string((i + 1) % 1000), "\n"});
       }),
       [](const TacSkinData& d) { EXPECT_GE(d.gd.size(), 1000u); }},
      {"ManyElementKeys",
       "[GLOBALINFO]\nMASTERBITMAP=M.BMP\n[BUTTON]\n" +
           Repeated(50000, [](int32_t i) {
             return Joined({"K", std::to_string(i), "=^0000^0000^0008^0008^0002^0002^0002^0002^1^0^0^0\n"});
           }),
       [](const TacSkinData& d) { EXPECT_GE(d.ma.size(), 50000u); }},
      {"PathsOutOfTheFolder",
       "[GLOBALINFO]\nMASTERBITMAP=../OUTSIDE.PNG\n[BUTTON]\nBORDERSMASK=!/ETC/PASSWD!1!0!0\n"
       "PATTERN=!C:\\WINDOWS\\WIN.PNG!1!0!1\nHOTPATTERN=!SUB\\..\\..\\OUTSIDE.PNG!1!0!1\n",
       // Had any of them been read, its bytes (no image) would have failed the load.
       [](const TacSkinData& d) {
         EXPECT_TRUE(d.MasterBitmap->Empty());
         for (const char* key : {"BORDERSMASK", "PATTERN", "HOTPATTERN"}) EXPECT_EQ(d.GetMaskIndex("BUTTON", key), -1) << key;
       }},
  };
}

class HostileSkin : public testing::TestWithParam<size_t> {
 protected:
  TempDir dir;
  ErrorBoxRecorder errors;
};

TEST_P(HostileSkin, LoadsBoundedOrIsRefusedWithTheEnginesText) {
  const HostileCase c = Cases()[GetParam()];
  SCOPED_TRACE(c.Name);
  // An image beside the skin folder that no name of the skin may reach, and
  // a small one inside that the many-keys case cuts its elements from.
  dir.WriteFile("OUTSIDE.PNG", std::string("\x89PNG but not one: reading it would fail the load"));
  dir.WriteFile("Skin/Options.dat", c.Options);
  std::vector<uint8_t> bmp(54 + 8 * 8 * 3, 0x40);
  const uint8_t header[54] = {'B', 'M', 246, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 8, 0, 0, 0, 8, 0, 0, 0, 1, 0, 24};
  std::copy(std::begin(header), std::end(header), bmp.begin());
  dir.WriteFile("Skin/M.BMP", bmp);
  const auto skin = TacOpenedSkin::FromPath(dir.Path() + "Skin", 96, {.ExtendedBorders = true});
  for (const int32_t ppi : {96, 120, 144, 192}) {
    SCOPED_TRACE(ppi);
    const TacSkinData& data = ppi == 96 ? skin->Data() : skin->Load(ppi);
    c.Check(data);
    TacWorkBitmap target(30, 20);
    for (int32_t section = 0; section < static_cast<int32_t>(std::min<size_t>(data.gd.size(), 64)); ++section)
      for (int32_t state : {0, 1, 2, 3, 255})
        PaintSection(section, ParentBGFromBitmap(&target, 0, 0), &data, &target, {}, target.BoundsRect(), state);
  }
#if defined(__SANITIZE_ADDRESS__)
  EXPECT_LT(__sanitizer_get_current_allocated_bytes(), size_t{512} << 20);
#endif
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileSkin, testing::Range(size_t{0}, Cases().size()),
                         [](const testing::TestParamInfo<size_t>& param) { return Cases()[param.param].Name; });

// What cannot be read is refused with a text that says what and why.
TEST(HostileSkinFiles, AnOptionsFileThatIsAFolderIsRefused) {
  TempDir dir;
  std::filesystem::create_directories(ToPath(dir.Path() + "Skin/Options.dat"));
  try {
    TacOpenedSkin::FromPath(dir.Path() + "Skin", 96);
    FAIL() << "a folder was read as the options file";
  } catch (const Exception& e) {
    EXPECT_NE(std::string(e.what()).find("is a folder"), std::string::npos) << e.what();
  }
}

TEST(HostileSkinFiles, AnOptionsFileInUtf16IsReadAsText) {
  TempDir dir;
  const std::string text = "[GLOBALINFO]\r\nTITLEHEIGHT=41\r\n[BUTTON]\r\nCOLOR=255\r\n";
  for (const bool bigEndian : {false, true}) {
    std::string utf16 = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char c : text) {
      utf16 += bigEndian ? '\0' : c;
      utf16 += bigEndian ? c : '\0';
    }
    dir.WriteFile("Skin/Options.dat", utf16);
    const auto skin = TacOpenedSkin::FromPath(dir.Path() + "Skin", 96);
    EXPECT_EQ(skin->Data().ExTitleHeight, 41) << (bigEndian ? "big-endian" : "little-endian");
    EXPECT_GE(skin->Data().GetSkinIndex("BUTTON"), 0);
  }
}

}  // namespace
