#include <iostream>
#include <string>
#include <vector>

#include "base/FileUtils.h"
#include "skin/PackedSkinWriter.h"

// Writes a small seed corpus for the fuzz targets into OUTDIR/archive and
// OUTDIR/options and
// OUTDIR/element.
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
