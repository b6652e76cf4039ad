#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/Timer.h"
#include "loader/SkinList.h"

class TControl;
class TacSkinListController;

// What the skin list asks of the manager that owns it. The manager fills it
// with its own answers; tests with recording ones.
struct TacSkinListOwner {
  // Loading or being destroyed: the list is not rebuilt now.
  std::function<bool()> ListFrozen;
  std::function<const TsStoredSkins&()> StoredSkins;
  // The skin directory made absolute, with its separator.
  std::function<std::string()> SkinListDirectory;
  std::function<TacSkinsFilter()> ListFilter;
  // The list of another manager that this one may share: the default
  // manager's, when it reads the same directory; null otherwise.
  std::function<TacSkinListController*()> ListToShare;
  std::function<void(int Command, LPARAM lParam)> Broadcast;
  // The list changed (the manager's OnSkinListChanged).
  std::function<void()> ListChanged;
  // What the controls that show the list receive as the lParam of its notifications.
  LPARAM NotificationParam = 0;
};

// The manager's list of available skins. A rebuild adds one skin per
// 12-millisecond tick of a message-loop timer, so that a long directory never
// blocks the user interface; a forced rebuild adds the rest at once.
class TacSkinListController {
 public:
  // Owner must outlive the controller.
  explicit TacSkinListController(const TacSkinListOwner& Owner);
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
  bool ShareList();
  void StartRebuild();
  void AddNext();
  void AddRest();
  void Finish();
  void NotifyControls(int Command, bool Post);

  const TacSkinListOwner& FOwner;
  std::shared_ptr<TacSkinList> FList;  // shared with managers of the same directory
  std::vector<TacSkinListSource> FPending;
  size_t FNext = 0;
  bool FNeedsRebuild = true;
  std::unique_ptr<TTimer> FTimer;
  std::vector<TControl*> FControls;
};
