#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "base/Exception.h"
#include "loader/OpenedSkin.h"
#include "paint/SkinPaint.h"

// Any text as the options of the stored skin, with the stored skin's images:
// the skin data objects of all four resolutions are built the way the manager
// builds them, and every section is painted once into a small bitmap.
namespace {
const TsStoredSkins& StoredOrvale() {
  static const TsStoredSkins stored = [] {
    TsStoredSkins skins;
    skins.push_back(std::make_unique<TsStoredSkin>());
    skins[0]->Name = "Orvale (internal)";
    skins[0]->PackedData.LoadFromFile(std::string(ORVALE_ROOT) + "/Orvale.asz");
    return skins;
  }();
  return stored;
}

void PaintEverySection(const TacSkinData& data) {
  TacWorkBitmap parent(40, 30);
  parent.Fill(0xFF808080u);
  TacWorkBitmap target(40, 30);
  for (int32_t section = 0; section < static_cast<int32_t>(data.gd.size()); ++section)
    PaintSection(section, ParentBGFromBitmap(&parent, 2, 3), &data, &target, {2, 3}, Bounds(1, 2, 36, 25),
                 section % 4);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string options(reinterpret_cast<const char*>(data), size);
  try {
    const auto skin = TacOpenedSkin::FromStored(StoredOrvale(), StoredOrvale()[0]->Name, 96,
                                                {.ExtendedBorders = true, .OptionsText = &options});
    PaintEverySection(skin->Data());
    for (const int32_t ppi : {120, 144, 192}) PaintEverySection(skin->Load(ppi));
  } catch (const Exception&) {
    // A skin the engine refuses says why; that is an answer too.
  }
  return 0;
}
