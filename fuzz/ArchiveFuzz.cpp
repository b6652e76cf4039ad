#include <cstddef>
#include <cstdint>

#include "base/ErrorBox.h"
#include "base/Exception.h"
#include "skin/SkinConvertor.h"

// Any bytes as a packed skin: reading may refuse them, never misbehave.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool quiet = (SetErrorBoxProc([](const std::string&, TacBoxKind) {}), true);
  (void)quiet;
  TacSkinConvertor convertor;
  convertor.PackedData = std::span<const uint8_t>(data, size);
  try {
    ReadPackedSkin(convertor);
  } catch (const Exception&) {
  }
  TMemoryStream preview;
  try {
    ReadSkinPreview(convertor.PackedData, preview);
  } catch (const Exception&) {
  }
  return 0;
}
