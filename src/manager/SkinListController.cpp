#include "manager/SkinListController.h"

#include <algorithm>

#include "base/StrUtils.h"
#include "core/SkinCommand.h"
#include "framework/WinControl.h"
#include "manager/SkinManager.h"

namespace {
constexpr int32_t kLoaderInterval = 12;
}

TacSkinListController::TacSkinListController(TsSkinManager& Manager)
    : FManager(Manager), FList(std::make_shared<TacSkinList>()), FTimer(std::make_unique<TTimer>(nullptr)) {
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
  const TComponentState& state = FManager.ComponentState();
  if (state.Contains(TComponentStateItem::csLoading) || state.Contains(TComponentStateItem::csDestroying)) return;
  if (FTimer->Enabled()) {
    if (!Force) return;
    FTimer->SetEnabled(false);
    while (FNext < FPending.size()) FList->Add(FPending[FNext++], FManager.InternalSkins().Skins());
    Finish();
    return;
  }
  if (!FNeedsRebuild) return;
  if (ShareDefaultList()) return;
  StartRebuild();
  if (Force) {
    while (FNext < FPending.size()) FList->Add(FPending[FNext++], FManager.InternalSkins().Skins());
    Finish();
  } else {
    FManager.BroadcastToForms(SK_LIST_LOADED, 1);
    FTimer->SetEnabled(true);
  }
}

bool TacSkinListController::ShareDefaultList() {
  TsSkinManager* main = DefaultManager();
  if (!main || main == &FManager || !SameText(main->SkinDirectory(), FManager.SkinDirectory())) return false;
  TacSkinListController& other = main->SkinListController();
  other.Refresh(true);
  FList = other.FList;
  FNeedsRebuild = false;
  NotifyControls(SK_SKIN_LIST_CHANGED, false);
  if (FManager.OnSkinListChanged) FManager.OnSkinListChanged(&FManager);
  return true;
}

void TacSkinListController::StartRebuild() {
  // A list shared with another manager is not ours to change.
  FList = std::make_shared<TacSkinList>();
  FPending = FindListedSkins(FManager.InternalSkins().Skins(), FManager.GetFullSkinDirectory(), FManager.SkinsFilter());
  FNext = 0;
}

void TacSkinListController::AddNext() {
  if (FNext < FPending.size()) FList->Add(FPending[FNext++], FManager.InternalSkins().Skins());
  if (FNext < FPending.size()) return;
  FTimer->SetEnabled(false);
  FManager.BroadcastToForms(SK_LIST_LOADED, 0);
  Finish();
}

void TacSkinListController::Finish() {
  FPending.clear();
  FNext = 0;
  FNeedsRebuild = false;
  NotifyControls(SK_SKIN_LIST_CHANGED, false);
  if (FManager.OnSkinListChanged) FManager.OnSkinListChanged(&FManager);
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
      PostMessageW(windowed->Handle(), SM_SKINCOMMAND, MakeSkinCommand(Command), reinterpret_cast<LPARAM>(&FManager));
    else
      SendSkinCommandToControl(control, Command, reinterpret_cast<LPARAM>(&FManager));
  }
}
