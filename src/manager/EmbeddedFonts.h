#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/WinHandles.h"

// Fonts shipped with a skin, installed for this process only while the skin is loaded.
struct TacEmbeddedFont {
  std::string FileName;  // without a path
  std::string FontName;
  std::vector<uint8_t> Data;
  TacFontResource Handle;  // null when the font is not installed
};

class TacEmbeddedFonts {
 public:
  TacEmbeddedFonts() = default;
  TacEmbeddedFonts(const TacEmbeddedFonts&) = delete;
  TacEmbeddedFonts& operator=(const TacEmbeddedFonts&) = delete;

  // An empty item stands for a font the skin names but does not have.
  TacEmbeddedFont& Add() { return FItems.emplace_back(); }
  // Installs the item's data as a font of this process.
  void Install(TacEmbeddedFont& Font);
  // Removes every font, installed or not.
  void Clear();
  size_t Count() const { return FItems.size(); }
  const TacEmbeddedFont& Items(size_t Index) const { return FItems.at(Index); }

 private:
  std::vector<TacEmbeddedFont> FItems;
};
