#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "base/FileUtils.h"

// Paths of the committed skin, its design sources and its preview.
inline std::string OrvaleSkinDir() { return std::string(ORVALE_ROOT) + "/Orvale"; }
inline std::string OrvaleDesignDir() { return std::string(ORVALE_ROOT) + "/OrvaleDesign"; }
inline std::string OrvalePreviewPath() { return std::string(ORVALE_ROOT) + "/Orvale-preview.png"; }

inline std::vector<uint8_t> CommittedSkinFile(const std::string& name) {
  return ReadFileBytes(OrvaleSkinDir() + "/" + name);
}
