#pragma once
#include <memory>
#include <string>
#include <vector>

#include "graphics/WorkBitmap.h"

// The standard glyphs at two resolutions; Windows only. Fonts named by
// FontFiles are installed for the process first (a Wine prefix may lack Marlett).
std::unique_ptr<TacWorkBitmap> GlyphSheet(const std::vector<std::string>& fontFiles);
