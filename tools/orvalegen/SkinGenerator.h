#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "Raster.h"

struct GeneratedFile {
  std::string Name;
  std::vector<uint8_t> Bytes;
  Raster Picture;  // empty for text files
};

struct GeneratedSkin {
  std::vector<GeneratedFile> SkinFiles;  // the contents of the skin folder
  GeneratedFile Preview;
};

// Draws the whole skin from a design folder holding "Design.ini" and the
// options template "Options.dat.in".
GeneratedSkin GenerateSkin(const std::string& designDir);

// A montage of every generated picture at twice its size on a checkerboard,
// so that transparent and half-transparent pixels can be judged by eye.
Raster ContactSheet(const GeneratedSkin& skin);
