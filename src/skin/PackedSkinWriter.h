#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct TacPackEntry {
  std::string Name;
  std::vector<uint8_t> Data;
};

// Builds a packed skin: the entries in the given order, each as one zlib
// stream, then the preview block when a preview image is given.
std::vector<uint8_t> WritePackedSkin(const std::vector<TacPackEntry>& entries, std::span<const uint8_t> previewPng = {});

// One complete zlib stream of the data, at the best compression.
std::vector<uint8_t> CompressZlib(std::span<const uint8_t> data);
