#pragma once
#include <memory>
#include <vector>

#include "framework/Timer.h"
#include "loader/SkinList.h"

class TsSkinManager;
class TControl;

// The manager's list of available skins. A rebuild adds one skin per
// 12-millisecond tick of a message-loop timer, so that a long directory never
// blocks the user interface; a forced rebuild adds the rest at once.
class TacSkinListController {
 public:
  explicit TacSkinListController(TsSkinManager& Manager);
  ~TacSkinListController();

  const TacSkinList& List() const { return *FList; }
  bool NeedsRebuild() const { return FNeedsRebuild; }
  bool Loading() const { return FTimer->Enabled(); }
  // Marks the list for rebuilding and drops a rebuild under way.
  void MarkStale();
  // Rebuilds a stale list: at once when Force, else in the background.
  void Refresh(bool Force);

  // Controls that show the list hear about its changes.
  void RegisterControl(TControl* Control);
  void UnregisterControl(TControl* Control);
  // SK_SKIN_CHANGED to the registered controls.
  void SkinChanged();

 private:
  bool ShareDefaultList();
  void StartRebuild();
  void AddNext();
  void Finish();
  void NotifyControls(int Command, bool Post);

  TsSkinManager& FManager;
  std::shared_ptr<TacSkinList> FList;  // shared with managers of the same directory
  std::vector<TacSkinListSource> FPending;
  size_t FNext = 0;
  bool FNeedsRebuild = true;
  std::unique_ptr<TTimer> FTimer;
  std::vector<TControl*> FControls;
};
