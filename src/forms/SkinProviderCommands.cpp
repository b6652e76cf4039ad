// The skin commands a skin provider answers for its form: those of every
// state first, then those of an unskinned and of a skinned form.
#include <algorithm>

#include "core/ParentBackground.h"
#include "forms/CtrlAdapter.h"
#include "forms/SkinProvider.h"
#include "framework/Application.h"
#include "manager/SkinManager.h"
#include "skin/SkinData.h"

namespace {

TsSkinManager* ManagerOf(const TMessage& Message) { return reinterpret_cast<TsSkinManager*>(Message.LParam); }

void PassToChildren(TWinControl* Form, const TMessage& Message) {
  TMessage passed = Message;
  BroadcastToChildControls(Form, passed);
}

}  // namespace

LRESULT TsSkinProvider::DefaultIndexAnswer() {
  TsSkinManager* manager = SkinManager();
  if (!manager || !manager->SkinLoaded()) return 0;
  if (!FCommonData->SkinSection().empty()) return manager->GetSkinIndex(FCommonData->SkinSection()) + 1;
  // A borderless form inside another control shows what lies under it.
  const bool embedded = Form->Parent() && Form->BorderStyle() == TFormBorderStyle::bsNone;
  return manager->GetSkinIndex(embedded ? "TRANSPARENT" : "FORM") + 1;
}

bool TsSkinProvider::FirstSkinCommand(TMessage& Message) {
  TsSkinManager* manager = SkinManager();
  switch (SkinCommandOf(Message.WParam)) {
    case SK_SKIN_LOADED:
      FCommonData->FCommonSkinData = nullptr;
      KillAnimations();
      return false;
    case SK_SKIN_REMOVED:
      if (ManagerOf(Message) == manager) {
        RemoveSkin(manager);
      } else {
        FCommonData->CommonSkinCommand(Message);
        PassToChildren(Form, Message);
      }
      Message.Result = 1;
      return true;
    case SK_IS_SKINNED:
      Message.Result = 1;
      return true;
    case SK_GET_DEFAULT_INDEX:
      Message.Result = DefaultIndexAnswer();
      return true;
    case SK_GET_BG:
      if (!Skinned() || !Message.LParam) return false;
      AnswerBackground(*reinterpret_cast<TacBGQuery*>(Message.LParam));
      Message.Result = 1;
      return true;
    case SK_FONT_CHANGED:
      if (manager && FAddedTitle.Font().Name() == manager->CurrentFontName())
        FAddedTitle.Font().SetName(manager->DefFontName());
      FCommonData->BGChanged = true;
      FCommonData->CommonSkinCommand(Message);
      RedrawFrame();
      return true;
    case SK_GET_APPLICATION:
      Message.Result = reinterpret_cast<LRESULT>(&Application());
      return true;
    case SK_GET_CLIENT_OFFSET:
      Message.Result = MAKELONG(OffsetX(), OffsetY());
      return true;
    case SK_PPI_CHANGED:
      KillAnimations();
      FCommonData->CommonSkinCommand(Message);
      FCommonData->FCommonSkinData = nullptr;
      FCommonData->BGChanged = true;
      PassToChildren(Form, Message);
      CallOldWndProc(Message);
      return true;
    case SK_GET_PPI:
      Message.Result = Form->PixelsPerInch();
      return true;
    case SK_GET_DEFAULT_KIND:
      Message.Result = 13;
      return true;
    case SK_FRAME_ADAPTER:
      if (FormLoading() || Designing()) return true;
      if (SkinArgumentOf(Message.WParam) == 1)
        FFrameAdapters.push_back(Message.LParam);
      else
        std::erase(FFrameAdapters, Message.LParam);
      return true;
    case SK_STATUS_BAR:
      FStatusBar = SkinArgumentOf(Message.WParam) ? reinterpret_cast<HWND>(Message.LParam) : nullptr;
      FCommonData->BGChanged = true;
      return true;
    default:
      if (const int command = SkinCommandOf(Message.WParam); command >= SK_EXT_BORDERS_FIRST && command <= SK_EXT_BORDERS_LAST) {
        // Meant for the form's own code.
        CallOldWndProc(Message);
        return true;
      }
      return false;
  }
}

void TsSkinProvider::RemoveSkin(TsSkinManager* Manager) {
  SetTransitionsOff(false);
  TMessage removed{SM_SKINCOMMAND, MakeSkinCommand(SK_SKIN_REMOVED), reinterpret_cast<LPARAM>(Manager), 0};
  FCommonData->CommonSkinCommand(removed);
  FTitleSkinIndex = FCaptionSkinIndex = -1;
  FCommonData->TranspMode = 0;
  PassToChildren(Form, removed);
  KillAnimations();
  FBorderForm.reset();
  if (FormDestroying()) return;
  if (Manager) {
    UpdateSysMenuStyle();
    if (Form->HandleAllocated() && Form->BorderStyle() != TFormBorderStyle::bsNone) SetWindowRgn(Form->Handle(), nullptr, TRUE);
    if (FUseGlobalColor && !FCommonData->CustomColor()) Form->SetColor(clBtnFace);
    // The form itself, never the desktop.
    if (Form->HandleAllocated())
      RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
  if (FAdapter) FAdapter->RestoreLabels();
  FCommonData->FCacheBmp->SetSize(0, 0);
  FCommonData->BGChanged = true;
  RgnChanged = true;
  SetClassBrush(GetSysColorBrush(COLOR_BTNFACE));
  TMessage notification{SM_SKINCOMMAND, MakeSkinCommand(SK_EXT_BORDERS_FIRST + 1), 0, 0};
  CallOldWndProc(notification);
}

// A new skin reaches a form that is not skinned yet (or any more).
void TsSkinProvider::SkinLoadedUnskinned(TsSkinManager* Manager) {
  if (Manager != SkinManager() || FormDestroying()) return;
  FCommonData->FCommonSkinData = nullptr;
  KillAnimations();
  FCommonData->UpdateIndexes();
  ResolveIndexes();
  if (Manager) {
    UpdateSysMenuStyle();
    SetUpTitleButtons();
    if (Form->HandleAllocated() && GetActiveWindow() == Form->Handle()) FormActive = 1;
    if (FAdapter) FAdapter->RecolourLabels();
    FCommonData->BGChanged = true;
    SetTransitionsOff(NonClientPainted());
  }
  PassToChildren(Form, TMessage{SM_SKINCOMMAND, MakeSkinCommand(SK_SKIN_LOADED), reinterpret_cast<LPARAM>(Manager), 0});
  ScanChildren();
}

bool TsSkinProvider::UnskinnedSkinCommand(TMessage& Message) {
  switch (SkinCommandOf(Message.WParam)) {
    case SK_SKIN_LOADED:
      SkinLoadedUnskinned(ManagerOf(Message));
      Message.Result = 1;
      return true;
    case SK_GET_PROVIDER:
      Message.Result = reinterpret_cast<LRESULT>(this);
      return true;
    case SK_PREPARE_CACHE:
      FCommonData->BGChanged = false;
      Message.Result = 1;
      return true;
    default:
      return false;
  }
}

void TsSkinProvider::SkinLoadedSkinned(TsSkinManager* Manager) {
  if (Manager != SkinManager()) return;
  FCommonData->UpdateIndexes();
  ResolveIndexes();
  SetUpTitleButtons();
  UpdateSysMenuStyle();
  if (FAdapter) FAdapter->RecolourLabels();
  FCommonData->BGChanged = true;
  RgnChanged = true;
  PassToChildren(Form, TMessage{SM_SKINCOMMAND, MakeSkinCommand(SK_SKIN_LOADED), reinterpret_cast<LPARAM>(Manager), 0});
}

void TsSkinProvider::RefreshForm(TMessage& Message) {
  if (!FCommonData->CommonSkinCommand(Message)) return;
  PassToChildren(Form, Message);
  ScanChildren();
  RgnChanged = Form->BorderStyle() != TFormBorderStyle::bsNone;
  TsSkinManager* manager = SkinManager();
  if (Form->HandleAllocated() && IsWindowVisible(Form->Handle())) {
    FCommonData->BGChanged = true;
    RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ApplyGlobalColor();
    FCommonData->FUpdating = false;
    TMessage notification{SM_SKINCOMMAND, MakeSkinCommand(SK_EXT_BORDERS_FIRST + 1), 0, 0};
    CallOldWndProc(notification);
  }
  if (Form->HandleAllocated() && manager && manager->SkinLoaded()) SetClassBrush(manager->Brushes(0));
}

bool TsSkinProvider::SkinnedSkinCommand(TMessage& Message) {
  const int argument = SkinArgumentOf(Message.WParam);
  switch (SkinCommandOf(Message.WParam)) {
    case SK_SKIN_LOADED:
      SkinLoadedSkinned(ManagerOf(Message));
      Message.Result = 1;
      return true;
    case SK_REFRESH:
      RefreshForm(Message);
      return true;
    case SK_GET_PROVIDER:
      Message.Result = reinterpret_cast<LRESULT>(this);
      return true;
    case SK_END_PARENT_UPDATE:
      if (FCommonData->FUpdating && !FCommonData->CheckUpdating(true)) {
        RedrawFrame();
        PassToChildren(Form, Message);
        Message.Result = 1;
      }
      return true;
    case SK_SET_UPDATING:
      FCommonData->FUpdating = argument == 1;
      if (FCommonData->GetUpdating()) FCommonData->BGChanged = true;
      return true;
    case SK_IS_UPDATING:
      Message.Result = FCommonData->FUpdating ? 1 : 0;
      return true;
    case SK_BG_CHANGED:
      FCommonData->BGChanged = true;
      return true;
    case SK_INVALIDATE:
      FCommonData->BGChanged = true;
      if (Form->HandleAllocated())
        RedrawWindow(Form->Handle(), nullptr, nullptr,
                     RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | (argument ? RDW_UPDATENOW : 0));
      return true;
    case SK_BG_VARIES:
      Message.Result = BackgroundVaries() ? 1 : 0;
      return true;
    case SK_GET_BG_COLOR:
      Message.Result = static_cast<LRESULT>(FCommonData->GetBGColor(FormActive));
      return true;
    case SK_PREPARE_CACHE:
      if (!FCommonData->BGChanged || FCommonData->FUpdating || !PaintAll()) {
        Message.Result = -2;
        return true;
      }
      Message.Result = 0;
      return true;
    case SK_ADAPT_CHILDREN:
      if (!FormLoading()) ScanChildren(Message.LParam ? reinterpret_cast<TWinControl*>(Message.LParam) : nullptr);
      return true;
    case SK_MOUSE_LEAVE:
    case SK_FLUENT_HANDLE:
    case SK_GLUED_STATE:
    case SK_GET_FRAME_FLAG:
    case SK_TITLE_ITEM:
      return true;
    case SK_BEGIN_SCROLL:
    case SK_END_SCROLL:
      if (BackgroundVaries() && Form->HandleAllocated()) {
        const bool end = SkinCommandOf(Message.WParam) == SK_END_SCROLL;
        SendMessageW(Form->Handle(), WM_SETREDRAW, end ? TRUE : FALSE, 0);
        if (end)
          RedrawWindow(Form->Handle(), nullptr, nullptr,
                       RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
      }
      return true;
    case SK_REPAINT_FRAME:
      if (Message.LParam == 1) FCommonData->BGChanged = true;
      RedrawFrame();
      return true;
    case SK_SET_ALPHA:
      if (Form->HandleAllocated() && IsWindowVisible(Form->Handle())) {
        const HWND window = Form->Handle();
        const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
        const BYTE alpha = static_cast<BYTE>(std::clamp<LPARAM>(Message.LParam, 0, 255));
        if (alpha < 255) {
          if (!(exStyle & WS_EX_LAYERED)) SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
          SetLayeredWindowAttributes(window, 0, alpha, LWA_ALPHA);
        } else if (exStyle & WS_EX_LAYERED) {
          SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
        }
      }
      return true;
    case SK_GET_TEXT_SOURCE:
      if (Message.LParam) Message.Result = TextSourceAnswer(*reinterpret_cast<TacTextSourceQuery*>(Message.LParam));
      return true;
    case SK_GET_FRAME_WIDTH:
      Message.Result = FrameWidthAnswer(Message.LParam);
      return true;
    case SK_DROP_EFFECTS:
      CallOldWndProc(Message);
      PassToChildren(Form, Message);
      Message.Result = 1;
      return true;
    case SK_CLIENT_AREA:
      UpdateSysMenuStyle();
      FCommonData->BGChanged = true;
      if (!NonClientPainted() && Form->HandleAllocated() && Form->BorderStyle() != TFormBorderStyle::bsNone)
        SetWindowRgn(Form->Handle(), nullptr, TRUE);
      RedrawFrame();
      return true;
    default:
      return false;
  }
}

bool TsSkinProvider::BackgroundVaries() {
  const TsGeneralData* section = FCommonData->Section();
  if (!section) return false;
  const TsGenState& normal = section->Props[0];
  if (normal.ImagePercent + normal.GradientPercent >= 1) return true;
  const TacSkinData* skin = FCommonData->GetCommonSkinData();
  return skin && skin->IsValidImgIndex(section->BorderIndex) &&
         (skin->ma[static_cast<size_t>(section->BorderIndex)].DrawMode & 4) != 0;
}

void TsSkinProvider::AnswerBackground(TacBGQuery& Query) {
  Query.Offset = {0, 0};
  if (FCommonData->BGChanged && !FCommonData->FUpdating) PaintAll();
  if (!FDrawClientArea) {
    Query.Kind = bgkColor;
    Query.Color = ColorToRGB(clBtnFace);
    Query.Bmp = nullptr;
  } else {
    const TsGeneralData* section = FCommonData->Section();
    const int32_t states = section ? section->States : 1;
    FCommonData->GetBGInfo(Query, std::min(FormActive, std::max(states - 1, 0)));
    if (Query.Kind == bgkImage && !Query.DrawNow && !Query.Bmp) {
      if (FCommonData->BGChanged) PaintAll();
      Query.Bmp = FCommonData->FCacheBmp.get();
    }
  }
  if (OffsetX() != 0) {
    Query.Offset.X += OffsetX();
    Query.FrameWidths.Left = std::max(Query.FrameWidths.Left - OffsetX(), 0);
  }
  if (OffsetY() != 0) {
    Query.Offset.Y += OffsetY();
    Query.FrameWidths.Top = std::max(Query.FrameWidths.Top - OffsetY(), 0);
  }
}

LRESULT TsSkinProvider::TextSourceAnswer(TacTextSourceQuery& Query) {
  TsSkinManager* manager = SkinManager();
  const int32_t header = FFormHeader.AdditionalHeight();
  if (manager && header > 0 && Query.Top < header && FHeaderIndex >= 0) {
    Query.SkinIndex = FHeaderIndex;
    Query.Manager = manager;
    return 1;
  }
  const TsGeneralData* section = FCommonData->Section();
  if (FDrawClientArea && section && Query.State < section->States) {
    Query.SkinIndex = FCommonData->SkinIndex;
    Query.Manager = manager;
    return 1;
  }
  return -1;
}

// The frame widths are the system's at the screen's resolution, which is the
// form's (the program is system-DPI aware).
LRESULT TsSkinProvider::FrameWidthAnswer(LPARAM Param) {
  const auto frame = [](int which) {
    const int padded = GetSystemMetrics(SM_CXPADDEDBORDER);
    return which == 1 ? GetSystemMetrics(SM_CXSIZEFRAME) + padded
           : which == 2 ? GetSystemMetrics(SM_CXFIXEDFRAME) + padded
                        : padded;
  };
  if (const int asked = LOWORD(Param); asked == 1 || asked == 2) return frame(asked);
  if (Form->HandleAllocated()) {
    RECT window{};
    GetWindowRect(Form->Handle(), &window);
    const RECT client = Form->ClientRect();
    if (const int side = (window.right - window.left - client.right) / 2; side > 0) return side;
  }
  return frame(HIWORD(Param));
}
