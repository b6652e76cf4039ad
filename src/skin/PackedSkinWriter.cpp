#include "skin/PackedSkinWriter.h"

#include <zlib.h>

#include <limits>

#include "base/Exception.h"
#include "skin/SkinConvertor.h"

namespace {

void PutInt32(std::vector<uint8_t>& out, size_t value) {
  if (value > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
    throw Exception("A packed skin cannot hold an item of " + std::to_string(value) + " bytes.");
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void PutBytes(std::vector<uint8_t>& out, std::span<const uint8_t> bytes) { out.insert(out.end(), bytes.begin(), bytes.end()); }

}  // namespace

std::vector<uint8_t> CompressZlib(std::span<const uint8_t> data) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  std::vector<uint8_t> out(size);
  if (compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), Z_BEST_COMPRESSION) != Z_OK)
    throw Exception("Cannot compress " + std::to_string(data.size()) + " bytes.");
  out.resize(size);
  return out;
}

std::vector<uint8_t> WritePackedSkin(const std::vector<TacPackEntry>& entries, std::span<const uint8_t> previewPng) {
  std::vector<uint8_t> out(acPackedMagic, acPackedMagic + 4);
  PutInt32(out, entries.size());
  for (const TacPackEntry& entry : entries) {
    PutInt32(out, entry.Name.size());
    out.insert(out.end(), entry.Name.begin(), entry.Name.end());
    PutInt32(out, entry.Data.size());
    PutBytes(out, CompressZlib(entry.Data));
  }
  if (!previewPng.empty()) {
    out.insert(out.end(), acPreviewMarker, acPreviewMarker + sizeof(acPreviewMarker) - 1);
    PutInt32(out, previewPng.size());
    PutBytes(out, previewPng);
  }
  return out;
}
