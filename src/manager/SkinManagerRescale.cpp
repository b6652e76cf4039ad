#include "base/StrUtils.h"
#include "messages/SkinCommand.h"
#include "framework/Form.h"
#include "framework/Screen.h"
#include "manager/SkinManager.h"

// Scaling forms

void TsSkinManager::UpdateScale(TWinControl* Ctrl, int32_t CurrentPPI, int32_t NewPPI) {
  if (!Ctrl) return;
  const TacScaleMode mode = FOptions.ScaleMode;
  if (mode == smVCL && (NewPPI == 0 || NewPPI == CurrentPPI)) return;
  if (NewPPI == 0) {
    const LRESULT answer = SendSkinCommandToControl(Ctrl, SK_GET_PPI);
    if (answer == -1) return;
    CurrentPPI = answer == 0 ? 96 : static_cast<int32_t>(answer);
    NewPPI = mode == smCustomPPI ? FOptions.PixelsPerInch : acScalePPI[GetScale()];
  }
  if (NewPPI == CurrentPPI || CurrentPPI <= 0 || NewPPI <= 0) return;

  ManagerState.Include(TacManagerStateValue::msFormScaling);
  auto* form = dynamic_cast<TCustomForm*>(Ctrl);
  const int32_t clientWidth = MulDivRounded(Ctrl->ClientWidth(), NewPPI, CurrentPPI);
  const int32_t clientHeight = MulDivRounded(Ctrl->ClientHeight(), NewPPI, CurrentPPI);
  const bool animations = FEffects.AllowAnimation;
  FEffects.AllowAnimation = false;
  const HWND window = Ctrl->HandleAllocated() ? Ctrl->Handle() : nullptr;
  const bool visible = window && IsWindowVisible(window);
  RECT oldBounds{};
  if (window) GetWindowRect(window, &oldBounds);
  if (visible) SendMessageW(window, WM_SETREDRAW, FALSE, 0);

  const int32_t left = Ctrl->Left(), top = Ctrl->Top();
  Ctrl->ChangeScale(NewPPI, CurrentPPI);
  if (form) {
    form->SetClientWidth(clientWidth);
    form->SetClientHeight(clientHeight);
  } else {
    Ctrl->SetBounds(left, top, Ctrl->Width() + clientWidth - Ctrl->ClientWidth(),
                    Ctrl->Height() + clientHeight - Ctrl->ClientHeight());
  }
  if (form) form->SetPixelsPerInch(NewPPI);
  SendSkinCommandToControl(Ctrl, SK_PPI_CHANGED, NewPPI);

  if (visible) {
    SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(window, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    // What the window no longer covers must be drawn again by what lies beneath.
    if (NewPPI < CurrentPPI) RedrawWindow(nullptr, &oldBounds, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
  }
  FEffects.AllowAnimation = animations;
  ManagerState.Exclude(TacManagerStateValue::msFormScaling);
}

void TsSkinManager::UpdateAllScale() {
  std::vector<TCustomForm*> forms;
  for (size_t i = 0; i < Screen().CustomFormCount(); ++i) forms.push_back(Screen().CustomForms(i));
  for (TCustomForm* form : forms) UpdateScale(form, 96, 0);
}
