#pragma once
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "framework/Classes.h"
#include "graphics/Color.h"

class TControl;
class TCustomLabel;
class TsSkinProvider;
class TWinControl;

// A foreign windowed control of a form that one of the foreign-class lists
// names: the standard-control adapters hook it with these parameters.
struct TacAdapterItem {
  TWinControl* Control = nullptr;
  size_t ListIndex = 0;
  std::string SkinSection;
};

// Skins what on a form does not skin itself: plain labels take the colour
// the skin gives their parent, foreign controls of the foreign-class lists
// are handed to their adapters. Components freed later leave it through
// Forget; removing the skin gives every label its own colour back.
class TacCtrlAdapter {
 public:
  explicit TacCtrlAdapter(TsSkinProvider& Provider) : FProvider(Provider) {}
  ~TacCtrlAdapter();
  TacCtrlAdapter(const TacCtrlAdapter&) = delete;
  TacCtrlAdapter& operator=(const TacCtrlAdapter&) = delete;

  // Visits the components owned by From and its child controls, recursing
  // into windowed children with a window. Does nothing without the
  // manager's srThirdParty rule; guarded against re-entry.
  void AdaptControls(TWinControl* From);
  // Offers one component (inserted later, or met by a scan).
  void AddNewItem(TComponent* Item);
  // A component that is being freed.
  void Forget(TComponent* Item);
  // Every recoloured label gets the colour it had before.
  void RestoreLabels();
  // Recolours the labels again (a new skin).
  void RecolourLabels();

  struct TacSavedLabel {
    TCustomLabel* Label;
    TColor FontColor;
    bool ParentFont;
  };
  const std::vector<TacSavedLabel>& SavedLabelColors() const { return FSavedLabelColors; }
  const std::vector<TacAdapterItem>& Items() const { return FItems; }

 private:
  void Offer(TComponent* Item);
  bool IsCandidate(TComponent* Item, size_t& ListIndex) const;
  void RecolourLabel(TCustomLabel& Label);

  TsSkinProvider& FProvider;
  std::vector<TacSavedLabel> FSavedLabelColors;
  std::vector<TacAdapterItem> FItems;
  bool FScanning = false;
};
