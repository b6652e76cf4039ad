#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "OrvaleTestData.h"
#include "SkinGenerator.h"
#include "base/StrUtils.h"
#include "skin/ImageDecoders.h"

namespace {

uint32_t BigEndian32(const std::vector<uint8_t>& b, size_t at) {
  return uint32_t{b[at]} << 24 | uint32_t{b[at + 1]} << 16 | uint32_t{b[at + 2]} << 8 | b[at + 3];
}

uint32_t LittleEndian(const std::vector<uint8_t>& b, size_t at, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b[at + static_cast<size_t>(i)];
  return v;
}

std::vector<std::string> PngChunkTypes(const std::vector<uint8_t>& png) {
  std::vector<std::string> types;
  size_t at = 8;
  while (at + 8 <= png.size()) {
    types.emplace_back(png.begin() + static_cast<long>(at) + 4, png.begin() + static_cast<long>(at) + 8);
    at += 12 + BigEndian32(png, at);
  }
  return types;
}

// PNG files are compared by their pixels: their bytes change with the zlib
// that compressed them. Other files are compared byte for byte.
void ExpectSameFile(const std::string& name, const std::vector<uint8_t>& generated,
                    const std::vector<uint8_t>& committed) {
  SCOPED_TRACE(name);
  if (!EndsText(".png", name)) {
    EXPECT_TRUE(generated == committed) << "regenerate the skin with orvalegen and commit it";
    return;
  }
  const TacDecodedImage fresh = DecodePng(generated, name), stored = DecodePng(committed, name);
  ASSERT_EQ(fresh.Bitmap->Width(), stored.Bitmap->Width());
  ASSERT_EQ(fresh.Bitmap->Height(), stored.Bitmap->Height());
  int32_t differing = 0;
  for (int32_t y = 0; y < fresh.Bitmap->Height(); ++y)
    for (int32_t x = 0; x < fresh.Bitmap->Width(); ++x)
      differing += fresh.Bitmap->Pixel(x, y) != stored.Bitmap->Pixel(x, y);
  EXPECT_EQ(differing, 0) << "pixels differ: regenerate the skin with orvalegen and commit it";
}

// Drawn once per test program: every case looks at the same generated skin.
const GeneratedSkin& Generated() {
  static const GeneratedSkin skin = GenerateSkin(OrvaleDesignDir());
  return skin;
}

TEST(OrvaleFiles, RegeneratingGivesTheCommittedFiles) {
  const GeneratedSkin& skin = Generated();
  for (const GeneratedFile& f : skin.SkinFiles) ExpectSameFile(f.Name, f.Bytes, CommittedSkinFile(f.Name));
  ExpectSameFile("preview.png", skin.Preview.Bytes, ReadFileBytes(OrvalePreviewPath()));
}

TEST(OrvaleFiles, TheSkinFolderHoldsExactlyTheGeneratedFiles) {
  std::vector<std::string> committed, generated;
  for (const auto& entry : std::filesystem::directory_iterator(OrvaleSkinDir()))
    committed.push_back(entry.path().filename().string());
  for (const GeneratedFile& f : Generated().SkinFiles) generated.push_back(f.Name);
  std::sort(committed.begin(), committed.end());
  std::sort(generated.begin(), generated.end());
  EXPECT_EQ(committed, generated);
  EXPECT_EQ(generated, (std::vector<std::string>{"BUTTONHUGE.BMP", "EXTBORD.PNG", "GLOWEDIT.PNG", "MASTER COPY.PNG",
                                                 "Options.dat"}));
}

TEST(OrvaleFiles, PngFilesCarryNoTimeOrTextChunks) {
  const GeneratedSkin& skin = Generated();
  std::vector<GeneratedFile> pngs;
  for (const GeneratedFile& f : skin.SkinFiles)
    if (f.Name.ends_with(".PNG")) pngs.push_back(f);
  pngs.push_back(skin.Preview);
  for (const GeneratedFile& f : pngs) {
    SCOPED_TRACE(f.Name);
    const std::vector<std::string> types = PngChunkTypes(f.Bytes);
    ASSERT_GE(types.size(), 3u);
    EXPECT_EQ(types.front(), "IHDR");
    EXPECT_EQ(types.back(), "IEND");
    for (size_t i = 1; i + 1 < types.size(); ++i) EXPECT_EQ(types[i], "IDAT");
    EXPECT_EQ(f.Bytes[25], 6) << "RGBA colour type";
    EXPECT_EQ(BigEndian32(f.Bytes, 16), static_cast<uint32_t>(f.Picture.Width()));
    EXPECT_EQ(BigEndian32(f.Bytes, 20), static_cast<uint32_t>(f.Picture.Height()));
  }
}

TEST(OrvaleFiles, HugeButtonBitmapIsAPlain24BitBmpOfFourStates) {
  const std::vector<uint8_t> bmp = CommittedSkinFile("BUTTONHUGE.BMP");
  ASSERT_GE(bmp.size(), 54u);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  EXPECT_EQ(LittleEndian(bmp, 2, 4), bmp.size());
  EXPECT_EQ(LittleEndian(bmp, 10, 4), 54u);
  EXPECT_EQ(LittleEndian(bmp, 14, 4), 40u);
  const uint32_t width = LittleEndian(bmp, 18, 4), height = LittleEndian(bmp, 22, 4);
  EXPECT_EQ(width, 4 * height) << "four square state frames side by side";
  EXPECT_EQ(LittleEndian(bmp, 28, 2), 24u);
  EXPECT_EQ(LittleEndian(bmp, 30, 4), 0u) << "uncompressed";
  EXPECT_EQ(bmp.size(), 54 + ((width * 3 + 3) & ~3u) * height);
}

}  // namespace
