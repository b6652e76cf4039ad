#pragma once
#include <memory>
#include <string>

#include "skin/SkinData.h"

// A skin as the tools load it: its files, its master bitmap and its data for
// one PPI, with extended borders on as the application has them.
struct TacToolSkin {
  TacSkinSource Source;
  std::unique_ptr<TacWorkBitmap> Master;
  std::unique_ptr<TacSkinData> Data;
};

// Skin is a skin folder or a packed ".asz" file. Throws Exception with the
// engine's text when the skin cannot be loaded.
std::unique_ptr<TacToolSkin> LoadToolSkin(const std::string& Skin, int PPI);
