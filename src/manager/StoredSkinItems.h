#pragma once
#include <functional>
#include <memory>

#include "framework/Classes.h"
#include "skin/SkinSources.h"

class TsStoredSkinCollection;

// One stored skin as a definition streams it; the skin itself lives in the
// collection's list, which skin loading reads without copying.
class TsStoredSkinItem : public TCollectionItem {
  DECLARE_CLASS_INFO
 public:
  explicit TsStoredSkinItem(TsStoredSkinCollection& Collection);
  ~TsStoredSkinItem() override;
  TsStoredSkin& Skin() const { return *FSkin; }
  void SetData(const std::vector<uint8_t>& Bytes);

 private:
  TsStoredSkin* FSkin;
};

// The manager's InternalSkins.
class TsStoredSkinCollection : public TCollection {
  DECLARE_CLASS_INFO
 public:
  // OnItemCreated: the skin list must be built again.
  explicit TsStoredSkinCollection(std::function<void()> OnItemCreated) : FOnItemCreated(std::move(OnItemCreated)) {}
  ~TsStoredSkinCollection() override { Clear(); }
  const TsStoredSkins& Skins() const { return FSkins; }
  TsStoredSkin& Skin(size_t Index) const { return *FSkins.at(Index); }

 protected:
  std::unique_ptr<TCollectionItem> CreateItem() override;

 private:
  friend class TsStoredSkinItem;
  std::function<void()> FOnItemCreated;
  TsStoredSkins FSkins;
};
