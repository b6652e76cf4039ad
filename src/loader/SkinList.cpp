#include "loader/SkinList.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/Exception.h"
#include "base/FileUtils.h"
#include "graphics/Resample.h"
#include "skin/ImageDecoders.h"

std::vector<TacSkinListSource> FindListedSkins(const TsStoredSkins& Stored, const std::string& FullDirectory,
                                               TacSkinsFilter Filter) {
  std::vector<TacSkinListSource> found;
  if (Filter.Contains(TacSkinsFilterItem::sfiInternal))
    for (size_t i = 0; i < Stored.size(); ++i)
      found.push_back({smInternal, static_cast<int>(i), {}, Stored[i]->Name});
  if (!Filter.Contains(TacSkinsFilterItem::sfiExternal) || !DirectoryExists(FullDirectory)) return found;
  std::vector<TacSkinListSource> files;
  std::error_code error;
  for (std::filesystem::directory_iterator it(ToPath(FullDirectory), error), end; !error && it != end;
       it.increment(error)) {
    if (it->is_directory(error)) continue;
    const std::string name = FromPath(it->path().filename());
    if (name.starts_with('.') || FromPath(it->path().extension()) != ".asz") continue;
    files.push_back({smExtPacked, -1, FromPath(it->path()), FromPath(it->path().stem())});
  }
  // The system's order of directory entries is not the user's.
  std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.Name < b.Name; });
  found.insert(found.end(), files.begin(), files.end());
  return found;
}

void TacSkinList::Add(const TacSkinListSource& Source, const TsStoredSkins& Stored) {
  TacSkinListData& item = Items.emplace_back();
  item.skSkinMode = Source.Mode;
  item.skName = Source.Name;
  TMemoryStream png;
  try {
    const bool found = Source.Mode == smInternal
                           ? ReadSkinPreview(Stored.at(static_cast<size_t>(Source.StoredIndex))->PackedData.Bytes(), png)
                           : ReadSkinPreviewFile(Source.Path, png);
    if (!found) return;
    const TacDecodedImage image = DecodeSkinImage(png.Bytes(), "PREVIEW.PNG");
    if (!image.Bitmap) return;
    auto preview = std::make_shared<TacWorkBitmap>();
    ResampleBitmap(*image.Bitmap, *preview, acPreviewWidth, acPreviewHeight, rfMitchell);
    if (preview->Empty()) return;
    item.skImageIndex = static_cast<int>(Previews.size());
    Previews.push_back(std::move(preview));
  } catch (const std::exception&) {
    // A damaged preview leaves the skin listed without an image.
  }
}

std::vector<TacSkinListData> TacSkinList::Entries(TacSkinType SkinType, bool ExternalOnly) const {
  std::vector<TacSkinListData> entries;
  for (const TacSkinListData& item : Items) {
    const bool stored = item.skSkinMode == smInternal;
    if ((ExternalOnly && stored) || (SkinType == stUnpacked && !stored) || (SkinType == stPacked && stored)) continue;
    entries.push_back(item);
  }
  return entries;
}
