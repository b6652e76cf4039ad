#include "manager/SkinManager.h"

#include "core/SkinCommand.h"
#include "framework/Application.h"
#include "framework/Form.h"

// The application font the manager hands to controls.

void TsSkinManager::StoreDefFont() {
  if (!FDefFontName.empty()) return;
  TCustomForm* main = Application().MainForm();
  FDefFontName = main ? main->Font().Name() : TFont().Name();
  if (FDefOldFontName.empty()) FDefOldFontName = FDefFontName;
}

void TsSkinManager::ChangeAppFont(const std::string& FontName, bool DoLockForms) {
  StoreDefFont();
  if (Designing() || FontName == FDefOldFontName) return;
  ManagerState.Include(TacManagerStateValue::msFontChanging);
  FNewFontName = FontName;
  BroadcastToForms(SK_FONT_CHANGED, reinterpret_cast<LPARAM>(this));
  if (OnFontChanged) OnFontChanged(this, FDefOldFontName, FontName);
  FDefOldFontName = FontName;
  if (DoLockForms) RepaintForms(false);
  ManagerState.Exclude(TacManagerStateValue::msFontChanging);
}

void TsSkinManager::UpdateFontName(TControl* Ctrl) {
  if (!Ctrl || Ctrl->ParentFont()) return;
  StoreDefFont();
  if (Ctrl->Font().Name() == FDefFontName && FDefOldFontName == FDefFontName) return;
  if (auto* windowed = dynamic_cast<TWinControl*>(Ctrl)) {
    if (!windowed->HandleAllocated()) return;
  } else if (!Ctrl->Parent()) {
    return;
  }
  const std::string& name = IsActive() && !FNewFontName.empty() ? FNewFontName : FDefFontName;
  if (Ctrl->Font().Name() != name) Ctrl->Font().SetName(name);
}
