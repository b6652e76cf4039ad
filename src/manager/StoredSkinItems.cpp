#include "manager/StoredSkinItems.h"

#include <algorithm>

TsStoredSkinItem::TsStoredSkinItem(TsStoredSkinCollection& Collection) : TCollectionItem(Collection) {
  Collection.FSkins.push_back(std::make_unique<TsStoredSkin>());
  FSkin = Collection.FSkins.back().get();
}

TsStoredSkinItem::~TsStoredSkinItem() {
  auto& skins = static_cast<TsStoredSkinCollection&>(Collection()).FSkins;
  std::erase_if(skins, [this](const std::unique_ptr<TsStoredSkin>& skin) { return skin.get() == FSkin; });
}

void TsStoredSkinItem::SetData(const std::vector<uint8_t>& Bytes) {
  FSkin->PackedData = TMemoryStream(Bytes);
}

std::unique_ptr<TCollectionItem> TsStoredSkinCollection::CreateItem() {
  auto item = std::make_unique<TsStoredSkinItem>(*this);
  if (FOnItemCreated) FOnItemCreated();
  return item;
}

namespace {
template <class V, class Read>
TPropertyInfo SkinField(V TsStoredSkin::*Member, Read read) {
  return {.Assign = [Member, read](TPersistent& target, const TStoredValue& value,
                                   TComponent&) { dynamic_cast<TsStoredSkinItem&>(target).Skin().*Member = read(value); },
          .Object = nullptr};
}
}  // namespace

const TClassInfo& TsStoredSkinItem::StaticClassInfo() {
  static const TClassInfo info("TsStoredSkin", &TCollectionItem::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    c.Add("Name", SkinField(&TsStoredSkin::Name, StoredString));
    c.Add("Author", SkinField(&TsStoredSkin::Author, StoredString));
    c.Add("Description", SkinField(&TsStoredSkin::Description, StoredString));
    c.Add("Version", SkinField(&TsStoredSkin::Version, StoredFloat));
    c.Add("Shadow1Color", SkinField(&TsStoredSkin::Shadow1Color, StoredColor));
    c.Add("Shadow1Offset", SkinField(&TsStoredSkin::Shadow1Offset, StoredInteger));
    c.Add("Shadow1Blur", SkinField(&TsStoredSkin::Shadow1Blur, StoredInteger));
    c.Add("Shadow1Transparency", SkinField(&TsStoredSkin::Shadow1Transparency, StoredInteger));
    c.Add("BorderColor", SkinField(&TsStoredSkin::BorderColor, StoredColor));
    c.Add("OriginName", SkinField(&TsStoredSkin::OrigName, StoredString));
    c.Binary<TsStoredSkinItem>("Data", &TsStoredSkinItem::SetData);
  });
  return info;
}

const TClassInfo& TsStoredSkinCollection::StaticClassInfo() {
  static const TClassInfo info("TsStoredSkins", &TCollection::StaticClassInfo(), nullptr, nullptr);
  return info;
}
