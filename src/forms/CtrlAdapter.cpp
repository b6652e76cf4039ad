#include "forms/CtrlAdapter.h"

#include <algorithm>

#include "core/CommonData.h"
#include "forms/SkinProvider.h"
#include "framework/Form.h"
#include "framework/Label.h"
#include "framework/WinControl.h"
#include "manager/SkinManager.h"

namespace {

// Components and controls whose Tag carries this flag are never adapted.
constexpr int32_t kNoAdaptTag = 0x100;

// A skinned label has its own colours; only a plain one is recoloured. The
// skinned controls live beside this library, so their class is known by name.
bool IsPlainLabel(const TComponent* Item) {
  if (!dynamic_cast<const TCustomLabel*>(Item)) return false;
  for (const TClassInfo* info = &Item->ClassInfo(); info; info = info->Parent())
    if (info->Name() == "TsCustomLabel") return false;
  return true;
}

}  // namespace

TacCtrlAdapter::~TacCtrlAdapter() = default;

void TacCtrlAdapter::AdaptControls(TWinControl* From) {
  TsSkinManager* manager = FProvider.SkinManager();
  if (!From || FScanning || !manager || !manager->SkinningRules().Contains(TacSkinningRule::srThirdParty)) return;
  FScanning = true;
  for (size_t i = 0; i < From->ComponentCount(); ++i) Offer(From->Components(i));
  for (size_t i = 0; i < From->ControlCount(); ++i) {
    TControl* child = From->Controls(i);
    Offer(child);
    if (auto* windowed = dynamic_cast<TWinControl*>(child); windowed && windowed->HandleAllocated() && windowed->Parent()) {
      FScanning = false;
      AdaptControls(windowed);
      FScanning = true;
    }
  }
  FScanning = false;
}

void TacCtrlAdapter::AddNewItem(TComponent* Item) {
  TsSkinManager* manager = FProvider.SkinManager();
  if (!Item || !manager || !manager->SkinningRules().Contains(TacSkinningRule::srThirdParty)) return;
  Offer(Item);
}

bool TacCtrlAdapter::IsCandidate(TComponent* Item, size_t& ListIndex) const {
  if (Item->Tag() & kNoAdaptTag) return false;
  if (Item->ComponentState().Contains(TComponentStateItem::csDestroying)) return false;
  auto* control = dynamic_cast<TControl*>(Item);
  if (!control) return false;
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (!windowed) return IsPlainLabel(Item);
  if (!windowed->HandleAllocated() || IsSkinAwareWindow(windowed->Handle())) return false;
  if (dynamic_cast<TCustomForm*>(windowed)) return false;
  for (size_t i = 0; i < acThirdListCount; ++i)
    if (FProvider.ThirdLists[i].IndexOf(Item->ClassName()) >= 0) {
      ListIndex = i;
      return true;
    }
  return false;
}

void TacCtrlAdapter::Offer(TComponent* Item) {
  size_t list = 0;
  if (!IsCandidate(Item, list)) return;
  std::string section;
  bool canBeAdded = true;
  if (FProvider.OnSkinItem) FProvider.OnSkinItem(Item, canBeAdded, section);
  if (!canBeAdded) return;
  if (auto* label = dynamic_cast<TCustomLabel*>(Item)) return RecolourLabel(*label);
  auto* windowed = static_cast<TWinControl*>(Item);
  if (std::any_of(FItems.begin(), FItems.end(), [windowed](const TacAdapterItem& i) { return i.Control == windowed; }))
    return;
  FProvider.FreeNotification(windowed);
  FItems.push_back({windowed, list, section});
}

// The colour of the text the skin puts on the label's parent.
void TacCtrlAdapter::RecolourLabel(TCustomLabel& Label) {
  TWinControl* parent = Label.Parent();
  TsSkinManager* manager = FProvider.SkinManager();
  if (!parent || !manager || !manager->SkinLoaded()) return;
  TsCommonData* parentData = CommonDataOf(parent);
  if (!parentData || !parentData->Skinned()) return;
  const auto saved = std::find_if(FSavedLabelColors.begin(), FSavedLabelColors.end(),
                                  [&Label](const TacSavedLabel& s) { return s.Label == &Label; });
  if (saved == FSavedLabelColors.end()) {
    FSavedLabelColors.push_back({&Label, Label.Font().Color(), Label.ParentFont()});
    FProvider.FreeNotification(&Label);
  }
  if (Label.Transparent() || manager->LabelsOptions().TransparentAlways) Label.SetTransparent(true);
  Label.Font().SetColor(parentData->TextColor(0, true));
}

void TacCtrlAdapter::RecolourLabels() {
  for (const TacSavedLabel& saved : std::vector<TacSavedLabel>(FSavedLabelColors)) RecolourLabel(*saved.Label);
}

void TacCtrlAdapter::RestoreLabels() {
  for (const TacSavedLabel& saved : FSavedLabelColors) {
    TCustomLabel& label = *saved.Label;
    if (saved.ParentFont && label.Parent()) {
      label.Font().SetColor(label.Parent()->Font().Color());
      label.SetParentFont(true);
    } else {
      label.Font().SetColor(saved.FontColor);
    }
    label.Invalidate();
  }
  FSavedLabelColors.clear();
}

void TacCtrlAdapter::Forget(TComponent* Item) {
  std::erase_if(FSavedLabelColors, [Item](const TacSavedLabel& s) { return s.Label == Item; });
  std::erase_if(FItems, [Item](const TacAdapterItem& i) { return i.Control == Item; });
}
