#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ContactSheet.h"
#include "PngWrite.h"
#include "base/FileUtils.h"
#include "graphics/Composition.h"
#include "../skin/SkinTestFiles.h"
#include "loader/OpenedSkin.h"
#include "skin/ImageDecoders.h"

namespace {

// The golden pictures: the contact sheet of the stored skin as skinsheet
// draws it. Both the native build (memory-backed work bitmaps) and the
// Windows build (DIB sections) must paint exactly these pixels. After an
// intended change of the painting, write them again with
//   build/native/tools/skinsheet/skinsheet skins/Orvale.asz --ppi 96 -o tests/tools/golden/orvale-sheet-96.png
// (and --ppi 144), look at them, and commit them.
std::string GoldenPath(int32_t ppi) {
  return std::string(GOLDEN_DIR) + "/orvale-sheet-" + std::to_string(ppi) + ".png";
}

// The actual picture, and one that shows where it differs: the golden
// picture faded, with every differing pixel in red.
void WriteFailureImages(const TacWorkBitmap& actual, const TacWorkBitmap& golden, int32_t ppi) {
  const std::string stem = FromPath(std::filesystem::current_path()) + "/orvale-sheet-" + std::to_string(ppi);
  SaveBitmapAsPng(actual, stem + ".actual.png");
  TacWorkBitmap diff(std::max(actual.Width(), golden.Width()), std::max(actual.Height(), golden.Height()));
  for (int32_t y = 0; y < diff.Height(); ++y)
    for (int32_t x = 0; x < diff.Width(); ++x) {
      const bool inActual = x < actual.Width() && y < actual.Height();
      const bool inGolden = x < golden.Width() && y < golden.Height();
      const TacPixel g = inGolden ? golden.Pixel(x, y) : 0;
      const bool same = inActual && inGolden && actual.Pixel(x, y) == g;
      const uint32_t grey = 192 + (Red(g) + Green(g) + Blue(g)) / 12;
      diff.SetPixel(x, y, same ? MakePixel(grey, grey, grey, 255) : 0xFFFF0000u);
    }
  SaveBitmapAsPng(diff, stem + ".diff.png");
  ADD_FAILURE() << "the sheet differs from " << GoldenPath(ppi) << "; see " << stem << ".actual.png and " << stem
                << ".diff.png";
}

// The pictures are of a composed desktop: without composition the window
// shadows keep their near-white channels below 245, so the system's answer
// would make them differ from machine to machine.
class ContactSheetGolden : public testing::TestWithParam<int32_t> {
 protected:
  void SetUp() override { FPrevious = SetCompositionQuery([] { return true; }); }
  void TearDown() override { SetCompositionQuery(FPrevious); }

 private:
  TacCompositionQuery FPrevious = nullptr;
};

TEST_P(ContactSheetGolden, TheStoredSkinPaintsItsCommittedPicture) {
  const int32_t ppi = GetParam();
  const auto skin = TacOpenedSkin::FromPath(std::string(ORVALE_ROOT) + "/Orvale.asz", ppi, {.ExtendedBorders = true});
  const auto sheet = RenderContactSheet(skin->Data());
  const std::string path = GoldenPath(ppi);
  const TacDecodedImage golden = DecodePng(ReadFileBytes(path), path);
  const TacWorkBitmap& expected = *golden.Bitmap;
  int32_t differing = 0;
  if (sheet->Width() == expected.Width() && sheet->Height() == expected.Height()) {
    for (int32_t y = 0; y < expected.Height(); ++y)
      for (int32_t x = 0; x < expected.Width(); ++x) differing += sheet->Pixel(x, y) != expected.Pixel(x, y);
  }
  EXPECT_EQ(sheet->Width(), expected.Width());
  EXPECT_EQ(sheet->Height(), expected.Height());
  EXPECT_EQ(differing, 0);
  if (HasFailure()) WriteFailureImages(*sheet, expected, ppi);
}

INSTANTIATE_TEST_SUITE_P(Resolutions, ContactSheetGolden, testing::Values(96, 144));

// A skin of thousands of sections gets a sheet of bounded size all the same.
TEST(ContactSheet, AHugeSkinDrawsABoundedSheet) {
  TempDir dir;
  std::string options = "[GLOBALINFO]\n";
  for (int32_t i = 0; i < 6000; ++i) options += "[S" + std::to_string(i) + "]\nCOLOR=" + std::to_string(i) + "\n";
  dir.WriteFile("Huge/Options.dat", options);
  const auto skin = TacOpenedSkin::FromPath(dir.Path() + "Huge", 96);
  EXPECT_GE(skin->Data().GetSkinIndex("S4094"), 0);
  EXPECT_EQ(skin->Data().GetSkinIndex("S4095"), -1) << "the sections beyond the limit are left out";
  const auto sheet = RenderContactSheet(skin->Data());
  EXPECT_LE(sheet->Height(), 32768);
  EXPECT_LE(sheet->Width(), 4096);
}

}  // namespace
