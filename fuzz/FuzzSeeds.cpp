#include <iostream>
#include <string>
#include <vector>

#include <png.h>

#include <cstring>

#include "base/FileUtils.h"
#include "skin/PackedSkinWriter.h"

// Writes a small seed corpus for the fuzz targets into OUTDIR/archive,
// OUTDIR/options, OUTDIR/element, OUTDIR/image and OUTDIR/skin (the stored
// skin's own options file).
namespace {

std::vector<uint8_t> Bytes(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

const char* const kOptions[] = {
    "[GLOBALINFO]\nVERSION=15.0\nMASTERBITMAP=MASTER COPY.PNG\nTITLEHEIGHT=32\nTITLEHEIGHT*150=48\n"
    "[BUTTON]\nSTATES=3\nCOLOR=$FFFFFF\nBORDERSMASK=MASTER COPY.PNG,0,0,30,20,4,3,1,4,4,4,4\n"
    "[MENUBTN]\nPARENTCLASS=BUTTON\nUSESTATE2=1\nCOLOR2=11821619\n",
    "[A]\nPARENTCLASS=B\n[B]\nPARENTCLASS=C\n[C]\nPARENTCLASS=A\nX=0x10\n",
    "; comment\n[EDIT]\nCOLOR=16777215\n[EDIT]\nCOLOR=255\nLIGHT1=-18031\nGRADIENTDATA=N/A\n",
};

const char* const kElements[] = {
    "@0057@0135@0108@0152@3@0",
    "^0057^0001^0060^0002^0001^0000^0000^0000^1^0^1^1",
    "^0000^0000^0006^0003^0000^0000^0000^0000^2^0^1^0",
    "~0010~0020~0030~0040~07~0~TILE.BMP",
    "!GLOWEDIT.PNG!1!0!3!0007!0007!0007!0007!1",
    "!ICONS.PNG!4!0!4!0010!0000!0090!0018!21",
    "&0000000001000080002000460021002120317000000EXTBORD.PNG",
    "BUTTONHUGE.BMP",
};

// A 4 x 3 PNG with alpha and a 4 x 3 24-bit BMP.
std::vector<uint8_t> SeedPng() {
  const uint32_t pixels[12] = {0xFFFF0000, 0x80FF00FF, 0, 0x12345678, 0xFF00FF00, 0xFF0000FF,
                               0x7F7F7F7F, 0xFFFFFFFF, 1, 2, 3, 4};
  png_image image;
  std::memset(&image, 0, sizeof(image));
  image.version = PNG_IMAGE_VERSION;
  image.width = 4;
  image.height = 3;
  image.format = PNG_FORMAT_BGRA;
  png_alloc_size_t size = 1024;
  std::vector<uint8_t> out(size);
  png_image_write_to_memory(&image, out.data(), &size, 0, pixels, 0, nullptr);
  out.resize(size);
  return out;
}

std::vector<uint8_t> SeedBmp() {
  std::vector<uint8_t> bmp(54 + 16 * 3, 0x5A);
  const uint8_t header[54] = {'B', 'M', 102, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 4, 0, 0, 0, 3, 0, 0, 0,
                              1, 0, 24, 0};
  std::memcpy(bmp.data(), header, sizeof(header));
  return bmp;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: fuzz_seeds OUTDIR\n";
    return 2;
  }
  const std::string out = argv[1];
  ForceDirectories(out + "/archive");
  ForceDirectories(out + "/options");
  ForceDirectories(out + "/element");
  ForceDirectories(out + "/image");
  ForceDirectories(out + "/skin");
  WriteFileBytes(out + "/skin/orvale-options", ReadFileBytes(std::string(ORVALE_ROOT) + "/Orvale/Options.dat"));
  WriteFileBytes(out + "/image/seed.png", SeedPng());
  WriteFileBytes(out + "/image/seed.bmp", SeedBmp());
  int n = 0;
  for (const char* element : kElements) WriteFileBytes(out + "/element/seed" + std::to_string(n++), Bytes(element));
  n = 0;
  for (const char* text : kOptions) {
    WriteFileBytes(out + "/options/seed" + std::to_string(n), Bytes(text));
    std::vector<TacPackEntry> entries{{"Options.dat", Bytes(text)}, {"MASTER COPY.PNG", Bytes("\x89PNG\r\n")}};
    const std::vector<uint8_t> preview = n % 2 ? Bytes("\x89PNG preview") : std::vector<uint8_t>{};
    WriteFileBytes(out + "/archive/seed" + std::to_string(n), WritePackedSkin(entries, preview));
    ++n;
  }
  return 0;
}
