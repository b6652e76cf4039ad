#include <gtest/gtest.h>

#include <zlib.h>

#include <cstdio>
#include <cstring>
#ifdef _WIN32
#include <windows.h>
#endif
#include <jpeglib.h>

#include "SkinTestFiles.h"
#include "base/Exception.h"
#include "skin/ImageDecoders.h"

namespace {

// 3 x 2 pixels, 0xAARRGGBB, top row first.
const TacPixel kPixels[6] = {0xFFFF0000, 0x8000FF00, 0x000000FF, 0xFFFF00FF, 0x40102030, 0xFFFFFFFF};

void Put32(std::vector<uint8_t>& d, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) d[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

std::vector<uint8_t> Bmp(int32_t width, int32_t height, int bits, uint32_t compression = 0) {
  const int32_t rows = height < 0 ? -height : height;
  const size_t stride = (static_cast<size_t>(width) * bits + 31) / 32 * 4;
  const size_t header = compression == 3 ? 14 + 40 + 12 : 14 + 40;
  std::vector<uint8_t> d(header + stride * rows, 0);
  d[0] = 'B';
  d[1] = 'M';
  Put32(d, 2, static_cast<uint32_t>(d.size()));
  Put32(d, 10, static_cast<uint32_t>(header));
  Put32(d, 14, 40);
  Put32(d, 18, static_cast<uint32_t>(width));
  Put32(d, 22, static_cast<uint32_t>(height));
  d[26] = 1;
  d[28] = static_cast<uint8_t>(bits);
  Put32(d, 30, compression);
  if (compression == 3) {
    Put32(d, 54, 0xFF0000);
    Put32(d, 58, 0xFF00);
    Put32(d, 62, 0xFF);
  }
  // Pixel (x, y) in file order gets blue x, green y, red 7 (and alpha 99).
  for (int32_t r = 0; r < rows; ++r)
    for (int32_t x = 0; x < width; ++x) {
      uint8_t* p = d.data() + header + stride * r + static_cast<size_t>(x) * (bits / 8);
      p[0] = static_cast<uint8_t>(x);
      p[1] = static_cast<uint8_t>(r);
      p[2] = 7;
      if (bits == 32) p[3] = 99;
    }
  return d;
}

TEST(ImageDecoders, PngKeepsStraightAlpha) {
  const TacDecodedImage image = DecodePng(EncodePng(kPixels, 3, 2), "A.PNG");
  ASSERT_EQ(image.Bitmap->Width(), 3);
  ASSERT_EQ(image.Bitmap->Height(), 2);
  EXPECT_TRUE(image.HasAlpha);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) {
      const TacPixel expected = kPixels[y * 3 + x];
      const TacPixel actual = image.Bitmap->Pixel(x, y);
      EXPECT_EQ(Alpha(actual), Alpha(expected)) << x << "," << y;
      if (Alpha(expected) != 0) {
        EXPECT_EQ(actual & 0xFFFFFF, expected & 0xFFFFFF) << x << "," << y;
      }
    }
}

TEST(ImageDecoders, BmpRowsInEitherOrder) {
  const struct {
    int32_t height;
    int bits;
    uint32_t compression;
  } cases[] = {{3, 24, 0}, {-3, 24, 0}, {3, 32, 0}, {-3, 32, 3}};
  for (const auto& c : cases) {
    const TacDecodedImage image = DecodeBmp(Bmp(5, c.height, c.bits, c.compression), "B.BMP");
    ASSERT_EQ(image.Bitmap->Width(), 5);
    ASSERT_EQ(image.Bitmap->Height(), 3);
    EXPECT_EQ(image.HasAlpha, c.bits == 32);
    for (int32_t y = 0; y < 3; ++y) {
      const uint32_t fileRow = c.height < 0 ? y : 2 - y;
      EXPECT_EQ(image.Bitmap->Pixel(4, y), MakePixel(7, fileRow, 4, c.bits == 32 ? 99 : 0))
          << c.height << " bits " << c.bits << " row " << y;
    }
  }
}

std::vector<uint8_t> EncodeJpeg(int width, int height) {
  jpeg_compress_struct info;
  jpeg_error_mgr error;
  info.err = jpeg_std_error(&error);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<uint8_t> row(static_cast<size_t>(width) * 3);
  for (size_t i = 0; i < row.size(); i += 3) {
    row[i] = 200;  // red
    row[i + 1] = 100;
    row[i + 2] = 50;
  }
  while (info.next_scanline < info.image_height) {
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&info, &r, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<uint8_t> out(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return out;
}

TEST(ImageDecoders, JpegDecodesWithoutAlpha) {
  const TacDecodedImage image = DecodeSkinImage(EncodeJpeg(16, 8), "tile.jpg");
  ASSERT_EQ(image.Bitmap->Width(), 16);
  ASSERT_EQ(image.Bitmap->Height(), 8);
  EXPECT_FALSE(image.HasAlpha);
  const TacPixel p = image.Bitmap->Pixel(5, 5);
  EXPECT_NEAR(static_cast<int>(Red(p)), 200, 3);
  EXPECT_NEAR(static_cast<int>(Green(p)), 100, 3);
  EXPECT_NEAR(static_cast<int>(Blue(p)), 50, 3);
  EXPECT_EQ(Alpha(p), 0u);
}

// A valid PNG whose header claims a different size, with the header checksum fixed.
std::vector<uint8_t> PngClaiming(uint32_t width, uint32_t height) {
  std::vector<uint8_t> png = EncodePng(kPixels, 3, 2);
  const auto be32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) png[at + i] = static_cast<uint8_t>(v >> (24 - 8 * i));
  };
  be32(16, width);
  be32(20, height);
  be32(29, static_cast<uint32_t>(crc32(0, png.data() + 12, 17)));
  return png;
}

TEST(ImageDecoders, DamagedImagesFailWithTheirNameAndReason) {
  std::vector<uint8_t> cutPng = EncodePng(kPixels, 3, 2);
  cutPng.resize(cutPng.size() - 20);
  std::vector<uint8_t> cutBmp = Bmp(5, 3, 24);
  cutBmp.resize(cutBmp.size() - 1);
  std::vector<uint8_t> cutJpeg = EncodeJpeg(16, 8);
  cutJpeg.resize(20);
  std::vector<uint8_t> hugeBmp = Bmp(2, 2, 24);
  Put32(hugeBmp, 18, 30000);
  Put32(hugeBmp, 22, 30000);
  std::vector<uint8_t> bmp16 = Bmp(2, 2, 24);
  bmp16[28] = 16;
  std::vector<uint8_t> rle = Bmp(2, 2, 24, 1);
  const struct {
    const char* what;
    std::vector<uint8_t> data;
    const char* name;
    const char* message;
  } cases[] = {
      {"30000 x 30000 PNG header in a tiny file", PngClaiming(30000, 30000), "BIG.PNG", "too large"},
      {"4000 x 4000 PNG header in a tiny file", PngClaiming(4000, 4000), "MID.PNG", "promises more pixels"},
      {"PNG beyond the side limit", PngClaiming(100000, 1), "WIDE.PNG", "too large"},
      {"cut PNG", cutPng, "CUT.PNG", "damaged"},
      {"not a PNG", {'n', 'o', 'p', 'e'}, "X.PNG", "not a valid PNG"},
      {"cut BMP pixels", cutBmp, "CUT.BMP", "runs past the end"},
      {"30000 x 30000 BMP header", hugeBmp, "BIG.BMP", "too large"},
      {"16-bit BMP", bmp16, "B16.BMP", "only 24- and 32-bit"},
      {"compressed BMP", rle, "RLE.BMP", "compressed bitmaps"},
      {"not a BMP", {'B', 'X', 0, 0}, "X.BMP", "not a BMP"},
      {"cut JPEG", cutJpeg, "CUT.JPG", "cannot be read"},
      {"not a JPEG", {1, 2, 3, 4, 5, 6, 7, 8}, "X.JPG", "cannot be read"},
  };
  for (const auto& c : cases) {
    try {
      DecodeSkinImage(c.data, c.name);
      ADD_FAILURE() << c.what << ": no error";
    } catch (const Exception& e) {
      const std::string text = e.what();
      EXPECT_NE(text.find(std::string("\"") + c.name + "\""), std::string::npos) << text;
      EXPECT_NE(text.find(c.message), std::string::npos) << c.what << ": " << text;
    }
  }
}

TEST(ImageDecoders, UnknownExtensionsGiveAnEmptyImage) {
  const std::vector<uint8_t> font{1, 2, 3};
  const TacDecodedImage image = DecodeSkinImage(font, "FONT.TTF");
  ASSERT_TRUE(image.Bitmap);
  EXPECT_TRUE(image.Bitmap->Empty());
}

}  // namespace
