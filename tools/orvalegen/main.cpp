// orvalegen: draws the Orvale skin from its design folder.
//
//   orvalegen DESIGN_DIR SKIN_DIR PREVIEW.png [CONTACT_SHEET.png]
//
// Writes Options.dat and the images into SKIN_DIR, the skin-list preview to
// PREVIEW.png and, when asked, a contact sheet of every picture.
#include <cstdio>
#include <exception>
#include <string>

#include "ImageFiles.h"
#include "SkinGenerator.h"
#include "base/FileUtils.h"

int main(int argc, char** argv) {
  if (argc < 4 || argc > 5) {
    std::fprintf(stderr, "usage: orvalegen DESIGN_DIR SKIN_DIR PREVIEW.png [CONTACT_SHEET.png]\n");
    return 2;
  }
  try {
    const GeneratedSkin skin = GenerateSkin(argv[1]);
    const std::string skinDir = argv[2];
    if (!ForceDirectories(skinDir)) {
      std::fprintf(stderr, "orvalegen: cannot create %s\n", skinDir.c_str());
      return 1;
    }
    for (const GeneratedFile& f : skin.SkinFiles) WriteFileBytes(skinDir + "/" + f.Name, f.Bytes);
    WriteFileBytes(argv[3], skin.Preview.Bytes);
    if (argc == 5) WriteFileBytes(argv[4], EncodePng(ContactSheet(skin)));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "orvalegen: %s\n", e.what());
    return 1;
  }
  return 0;
}
