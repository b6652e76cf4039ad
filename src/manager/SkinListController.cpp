#include "manager/SkinListController.h"

#include <algorithm>

#include "messages/SkinCommand.h"
#include "framework/WinControl.h"

namespace {
constexpr int32_t kLoaderInterval = 12;
}

TacSkinListController::TacSkinListController(const TacSkinListOwner& Owner)
    : FOwner(Owner), FList(std::make_shared<TacSkinList>()), FTimer(std::make_unique<TTimer>(nullptr)) {
  FTimer->SetEnabled(false);
  FTimer->SetInterval(kLoaderInterval);
  FTimer->SetOnTimer([this](TObject*) { AddNext(); });
}

TacSkinListController::~TacSkinListController() { FTimer->SetEnabled(false); }

void TacSkinListController::MarkStale() {
  FTimer->SetEnabled(false);
  FPending.clear();
  FNeedsRebuild = true;
}

void TacSkinListController::Refresh(bool Force) {
  if (FOwner.ListFrozen()) return;
  if (FTimer->Enabled()) {
    if (!Force) return;
    FTimer->SetEnabled(false);
    AddRest();
    return;
  }
  if (!FNeedsRebuild) return;
  if (ShareList()) return;
  StartRebuild();
  if (Force) {
    AddRest();
  } else {
    FOwner.Broadcast(SK_LIST_LOADED, 1);
    FTimer->SetEnabled(true);
  }
}

bool TacSkinListController::ShareList() {
  TacSkinListController* other = FOwner.ListToShare();
  if (!other || other == this) return false;
  other->Refresh(true);
  FList = other->FList;
  FNeedsRebuild = false;
  NotifyControls(SK_SKIN_LIST_CHANGED, false);
  FOwner.ListChanged();
  return true;
}

void TacSkinListController::StartRebuild() {
  // A list shared with another manager is not ours to change.
  FList = std::make_shared<TacSkinList>();
  FPending = FindListedSkins(FOwner.StoredSkins(), FOwner.SkinListDirectory(), FOwner.ListFilter());
  FNext = 0;
}

void TacSkinListController::AddNext() {
  if (FNext < FPending.size()) FList->Add(FPending[FNext++], FOwner.StoredSkins());
  if (FNext < FPending.size()) return;
  FTimer->SetEnabled(false);
  FOwner.Broadcast(SK_LIST_LOADED, 0);
  Finish();
}

void TacSkinListController::AddRest() {
  while (FNext < FPending.size()) FList->Add(FPending[FNext++], FOwner.StoredSkins());
  Finish();
}

void TacSkinListController::Finish() {
  FPending.clear();
  FNext = 0;
  FNeedsRebuild = false;
  NotifyControls(SK_SKIN_LIST_CHANGED, false);
  FOwner.ListChanged();
}

void TacSkinListController::RegisterControl(TControl* Control) {
  if (std::find(FControls.begin(), FControls.end(), Control) == FControls.end()) FControls.push_back(Control);
}

void TacSkinListController::UnregisterControl(TControl* Control) { std::erase(FControls, Control); }

void TacSkinListController::SkinChanged() { NotifyControls(SK_SKIN_CHANGED, true); }

void TacSkinListController::NotifyControls(int Command, bool Post) {
  const std::vector<TControl*> controls = FControls;
  for (TControl* control : controls) {
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (Post && windowed && windowed->HandleAllocated())
      PostMessageW(windowed->Handle(), SM_SKINCOMMAND, MakeSkinCommand(Command), FOwner.NotificationParam);
    else
      SendSkinCommandToControl(control, Command, FOwner.NotificationParam);
  }
}
