// The skin provider's life: taking the form over and giving it back, its
// properties, binding to the skin and the runtime initialisation.
#include "forms/SkinProvider.h"

#include <dwmapi.h>
#include <shellapi.h>

#include <algorithm>
#include <string_view>

#include "base/ErrorBox.h"
#include "forms/CtrlAdapter.h"
#include "framework/Application.h"
#include "graphics/Composition.h"
#include "manager/SkinManager.h"
#include "skin/SkinData.h"

// The form's window procedure while the provider has it. A type of its own,
// so that the provider can tell whether the form's procedure is still its
// own. Whoever takes the form over later may keep a copy; once the provider
// is gone, that copy passes every message to the procedure the provider had
// saved.
struct TacProviderWndProc {
  std::shared_ptr<TsSkinProvider::TacTakeover> Link;
  void operator()(TMessage& Message) const {
    if (Link->Provider)
      Link->Provider->NewWndProc(Message);
    else if (Link->Saved)
      Link->Saved(Message);
  }
};

namespace {

// Never destroyed, like the forms it lists, which the application frees last.
std::vector<TsSkinProvider*>& SkinnedFormList() {
  static auto& providers = *new std::vector<TsSkinProvider*>;
  return providers;
}

constexpr DWORD kTransitionsForceDisabled = 3;  // DWMWA_TRANSITIONS_FORCEDISABLED

bool FirstArgumentIs(std::wstring_view Argument) {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments) return false;
  const bool found = count > 1 && Argument == arguments[1];
  LocalFree(arguments);
  return found;
}

}  // namespace

const std::vector<TsSkinProvider*>& TsSkinProvider::SkinnedForms() { return SkinnedFormList(); }

TsSkinProvider::TsSkinProvider(TComponent* Owner) : TsSkinProvider(Owner, false) {}

TsSkinProvider::TsSkinProvider(TComponent* Owner, bool Runtime) : TComponent(Owner) {
  for (TStringList& list : ThirdLists) list.SetCaseSensitive(true);
  auto* form = dynamic_cast<TCustomForm*>(Owner);
  if (!form) {
    ShowErrorBox("TsSkinProvider component may be used with forms only!", TacBoxKind::bkWarning);
    return;
  }
  Form = form;
  FPreviewMode = FirstArgumentIs(L"/acpreview");
  if (TsSkinManager* manager = DefaultManager(); manager && manager->Options().ScaleMode != smVCL)
    Form->SetScaled(false);
  if (Designing()) {
    for (size_t i = 0; i < Form->ComponentCount(); ++i)
      if (Form->Components(i) != this && dynamic_cast<TsSkinProvider*>(Form->Components(i))) {
        Form = nullptr;
        ShowErrorBox("Only one instance of the TsSkinProvider component is allowed!", TacBoxKind::bkWarning);
        return;
      }
  } else if (const LRESULT answer = Form->Perform(SM_SKINCOMMAND, MakeSkinCommand(SK_GET_PROVIDER)); answer) {
    auto* other = reinterpret_cast<TsSkinProvider*>(answer);
    if (other != this && other->RTInit) {
      // A runtime provider still waiting for its start gives way to this one.
      delete other;
    } else if (other != this) {
      RTEmpty = true;
    }
  }
  FCommonData = std::make_unique<TsScrollWndData>(Form, true, ckProvider);
  InAero = CompositionEnabled();
  if (Designing() || RTEmpty) return;
  FTakeover = std::make_shared<TacTakeover>(TacTakeover{this, Form->WindowProc});
  OldWndProc = Form->WindowProc;
  Form->WindowProc = TacProviderWndProc{FTakeover};
  FCommonData->WndProc = Form->WindowProc;
  SkinnedFormList().push_back(this);
  FormActive = 1;
  // A runtime provider waits for the form's first paint before it prepares anything.
  RTInit = Runtime;
  AfterConstruction();
}

TsSkinProvider* TsSkinProvider::CreateRT(TCustomForm* Form, bool) { return new TsSkinProvider(Form, true); }

void TsSkinProvider::AfterConstruction() {
  CopyThirdLists();
  if (RTEmpty || RTInit || Designing()) return;
  if (TsSkinManager* manager = SkinManager(); manager && manager->SkinLoaded()) PrepareForm();
}

TsSkinProvider::~TsSkinProvider() {
  Destroying();
  KillAnimations();
  FBorderForm.reset();
  FSystemMenu.reset();
  std::erase(SkinnedFormList(), this);
  // A form frees its components last, when its controls and its window
  // procedure are gone already: then there is nothing left to give back.
  const bool formGoing = Form && Form->ComponentState().Contains(TComponentStateItem::csDestroying);
  if (FTakeover) {
    // Whoever took the form over after us keeps it; our link in their chain
    // passes messages on from now on.
    if (!formGoing && OwnsWindowProc()) Form->WindowProc = OldWndProc;
    FTakeover->Provider = nullptr;
  }
  if (FAdapter && !formGoing) FAdapter->RestoreLabels();
  FAdapter.reset();
  FCommonData.reset();
}

bool TsSkinProvider::OwnsWindowProc() const {
  if (!Form) return false;
  const auto* proc = Form->WindowProc.target<TacProviderWndProc>();
  return proc && proc->Link->Provider == this;
}

void TsSkinProvider::Loaded() {
  TComponent::Loaded();
  CopyThirdLists();
  if (RTEmpty || RTInit || Designing() || !Form) return;
  if (Skinned()) RuntimeInit();
}

void TsSkinProvider::Notification(TComponent* Component, TOperation Operation) {
  TComponent::Notification(Component, Operation);
  if (!FCommonData || Component == this) return;
  if (Operation == TOperation::opRemove) {
    if (Component == FCommonData->SkinManager()) FCommonData->SetSkinManager(nullptr);
    if (Component == TitleBar) TitleBar = nullptr;
    if (Component == FSysSubMenu.PopupMenu) FSysSubMenu.PopupMenu = nullptr;
    if (FAdapter) FAdapter->Forget(Component);
    return;
  }
  if (auto* manager = dynamic_cast<TsSkinManager*>(Component); manager && !FCommonData->SkinManager()) {
    FCommonData->SetSkinManager(manager);
    return;
  }
  if (FAdapter && !FormLoading() && !Designing()) FAdapter->AddNewItem(Component);
}

TsSkinManager* TsSkinProvider::SkinManager() const { return FCommonData ? FCommonData->GetSkinManager() : nullptr; }

bool TsSkinProvider::Skinned() { return FCommonData && !RTEmpty && FCommonData->Skinned(); }

bool TsSkinProvider::FormDestroying() const {
  return !Form || Form->ComponentState().Contains(TComponentStateItem::csDestroying) ||
         ComponentState().Contains(TComponentStateItem::csDestroying);
}

bool TsSkinProvider::FormLoading() const {
  return Form && Form->ComponentState().Contains(TComponentStateItem::csLoading);
}

void TsSkinProvider::CopyThirdLists() {
  const bool own = std::any_of(FThirdParty.Lists.begin(), FThirdParty.Lists.end(),
                               [](const std::string& list) { return !list.empty(); });
  TsSkinManager* manager = SkinManager();
  for (size_t i = 0; i < acThirdListCount; ++i) {
    if (own)
      ThirdLists[i].SetText(FThirdParty.Lists[i]);
    else if (manager)
      ThirdLists[i].SetText(manager->ThirdLists[i].Text());
  }
  OwnThirdLists = own;
}

bool TsSkinProvider::NonClientPainted() {
  TsSkinManager* manager = SkinManager();
  return FDrawNonClientArea && manager && manager->Options().DrawNonClientArea();
}

void TsSkinProvider::SetTransitionsOff(bool Off) {
  if (!Form || !Form->HandleAllocated() || !CompositionEnabled()) return;
  const BOOL value = Off ? TRUE : FALSE;
  DwmSetWindowAttribute(Form->Handle(), kTransitionsForceDisabled, &value, sizeof value);
}

void TsSkinProvider::SetClassBrush(HBRUSH Brush) {
  if (Form && Form->HandleAllocated())
    SetClassLongPtrW(Form->Handle(), GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(Brush));
}

// The system draws no caption buttons, icon or menu of its own while the
// provider paints the frame; they come back with the system's frame.
void TsSkinProvider::UpdateSysMenuStyle() {
  if (!Form || !Form->HandleAllocated()) return;
  const HWND window = Form->Handle();
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  const bool wanted = !Skinned() || !NonClientPainted() ? Form->BorderIcons().Contains(TBorderIcon::biSystemMenu) &&
                                                              Form->BorderStyle() != TFormBorderStyle::bsNone
                                                        : false;
  if (((style & WS_SYSMENU) != 0) == wanted) return;
  SetWindowLongPtrW(window, GWL_STYLE, wanted ? style | WS_SYSMENU : style & ~static_cast<LONG_PTR>(WS_SYSMENU));
  if (wanted) {
    // The system draws its icon again only when it is given one.
    const LRESULT icon = SendMessageW(window, WM_GETICON, ICON_SMALL, 0);
    SendMessageW(window, WM_SETICON, ICON_SMALL, icon);
  }
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void TsSkinProvider::ResolveIndexes() {
  FTitleSkinIndex = FCaptionSkinIndex = FHeaderIndex = -1;
  TsSkinManager* manager = SkinManager();
  if (!manager || !manager->SkinLoaded() || !FCommonData->Section()) return;
  TacSkinData& skin = manager->CommonSkinData(FCommonData->CurrentPPI);
  FCaptionSkinIndex = skin.GetSkinIndex("CAPTION");
  FHeaderIndex = skin.GetSkinIndex("FORMHEADER");
  FTitleSkinIndex = skin.GetSkinIndex(FTitleSkin.empty() ? std::string_view("FORMTITLE") : std::string_view(FTitleSkin));
}

void TsSkinProvider::SetUpTitleButtons() {
  if (!Form) return;
  const TFormBorderStyle style = Form->BorderStyle();
  BigButtons = style == TFormBorderStyle::bsSingle || style == TFormBorderStyle::bsSizeable ||
               style == TFormBorderStyle::bsDialog;
  TsSkinManager* manager = SkinManager();
  if (!manager || !manager->SkinLoaded() || manager->GetSkinIndex("GLOBALINFO") < 0) return;
  ButtonMin.cpHitCode = HTMINBUTTON;
  ButtonMax.cpHitCode = HTMAXBUTTON;
  ButtonClose.cpHitCode = HTCLOSE;
  ButtonHelp.cpHitCode = HTHELP;
  const TBorderIcons icons = Form->BorderIcons();
  const bool sizeItems = icons.Contains(TBorderIcon::biMaximize) || icons.Contains(TBorderIcon::biMinimize);
  if (BigButtons) {
    ButtonMin.cpGlyphType = tgMin;
    ButtonMax.cpGlyphType = tgMax;
    ButtonHelp.cpGlyphType = tgHelp;
    ButtonClose.cpGlyphType = sizeItems ? tgClose : tgCloseAlone;
  } else {
    ButtonClose.cpGlyphType = tgSmallClose;
    ButtonMin.cpGlyphType = tgSmallMin;
    ButtonMax.cpGlyphType = tgSmallMax;
    ButtonHelp.cpGlyphType = tgSmallHelp;
  }
  for (TsCaptionButton* button : {&ButtonMin, &ButtonMax, &ButtonClose, &ButtonHelp})
    button->cpHaveAlignment = BigButtons;
}

void TsSkinProvider::ApplyGlobalColor() {
  TsSkinManager* manager = SkinManager();
  if (FUseGlobalColor && manager && !FCommonData->CustomColor() && Skinned())
    Form->SetColor(manager->GetGlobalColor());
}

void TsSkinProvider::PrepareForm() {
  TsSkinManager* manager = SkinManager();
  if (RTInit || RTEmpty || !manager || !Form || !Form->HandleAllocated() || !manager->SkinLoaded()) return;
  FCommonData->Loaded(false);
  ResolveIndexes();
  UpdateSysMenuStyle();
  FCommonData->UpdateIndexes();
  SetUpTitleButtons();
  if (!FSystemMenu) FSystemMenu = std::make_unique<TsSystemMenu>(*this);
  if (!FormLoading() && !Form->ComponentState().Contains(TComponentStateItem::csReading)) ApplyGlobalColor();
  RgnChanged = true;
}

void TsSkinProvider::RuntimeInit() {
  SetTransitionsOff(NonClientPainted());
  PrepareForm();
  if (!FAdapter && !Designing()) {
    FAdapter = std::make_unique<TacCtrlAdapter>(*this);
    ScanChildren();
  }
  for (size_t i = 0; i < FTitleButtons.Count(); ++i) {
    TsTitleButton& button = FTitleButtons.Button(i);
    button.Data.cpGlyphType = button.UseSkinData() ? tgUser : tgNone;
  }
  if (Form && Form->BorderStyle() == TFormBorderStyle::bsSizeToolWin) {
    FAllowBlendOnMoving = false;
    FUseGlobalColor = true;
  }
  if (TsSkinManager* manager = SkinManager(); manager && manager->SkinLoaded()) SetClassBrush(manager->Brushes(0));
}

void TsSkinProvider::ScanChildren(TWinControl* From) {
  if (!Form || FormLoading() || Designing()) return;
  if (!FAdapter) FAdapter = std::make_unique<TacCtrlAdapter>(*this);
  FAdapter->AdaptControls(From ? From : Form);
}

LRESULT TsSkinProvider::ProcessMessage(UINT Msg, WPARAM WParam, LPARAM LParam) {
  TMessage message{Msg, WParam, LParam, 0};
  const TacMessageDelivery delivery(true);
  NewWndProc(message);
  return message.Result;
}

void TsSkinProvider::KillAnimations() {
  for (auto& [code, fade] : FTitleFades)
    if (fade) fade->Stop();
}

void TsSkinProvider::CallOldWndProc(TMessage& Message) {
  if (OldWndProc) OldWndProc(Message);
}

// Properties whose change shows at once.

void TsSkinProvider::SetAllowExtBorders(bool Value) {
  if (FAllowExtBorders == Value) return;
  FAllowExtBorders = Value;
  if (FormLoading() || Designing() || !FCommonData) return;
  FCommonData->BGChanged = true;
  RgnChanged = true;
  if (Form && Form->HandleAllocated()) RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TsSkinProvider::SetDrawNonClientArea(bool Value) {
  if (FDrawNonClientArea == Value) return;
  FDrawNonClientArea = Value;
  if (FormLoading() || Designing() || !FCommonData) return;
  UpdateSysMenuStyle();
  FCommonData->BGChanged = true;
  RedrawFrame();
}

void TsSkinProvider::SetShowAppIcon(bool Value) {
  if (FShowAppIcon == Value) return;
  FShowAppIcon = Value;
  if (FormLoading() || Designing() || !FCommonData) return;
  FCommonData->BGChanged = true;
  if (Skinned() && Form->Showing()) RedrawFrame();
}

void TsSkinProvider::SetCaptionAlignment(TAlignment Value) {
  if (FCaptionAlignment == Value) return;
  FCaptionAlignment = Value;
  if (FormLoading() || Designing() || !FCommonData) return;
  FCommonData->BGChanged = true;
  if (Skinned() && Form->Showing()) RedrawFrame();
}

void TsSkinProvider::SetUseGlobalColor(bool Value) {
  FUseGlobalColor = Value;
  if (Value && !FormLoading() && !Designing() && FCommonData) ApplyGlobalColor();
}

void TsSkinProvider::SetDrawClientArea(bool Value) {
  if (FDrawClientArea == Value) return;
  FDrawClientArea = Value;
  if (FormLoading() || Designing() || !Form) return;
  TMessage message{SM_SKINCOMMAND, MakeSkinCommand(SK_BG_CHANGED), 1, 0};
  BroadcastToChildControls(Form, message);
  Form->Invalidate();
}

void TsSkinProvider::SetTitleSkin(const std::string& Value) {
  if (FTitleSkin == Value) return;
  FTitleSkin = Value;
  if (FormLoading() || Designing() || !FCommonData) return;
  ResolveIndexes();
  FCommonData->BGChanged = true;
  if (Form->Showing()) RedrawFrame();
}

void TsSkinProvider::SetDisabledBlendValue(int32_t Value) {
  FDisabledBlendValue = static_cast<uint8_t>(std::clamp(Value, 0, 255));
  if (!FormLoading() && FCommonData && Form && !Form->Enabled()) RedrawFrame();
}

void TsSkinProvider::SetDisabledBlendColor(TColor Value) {
  FDisabledBlendColor = Value;
  if (!FormLoading() && FCommonData && Form && !Form->Enabled()) RedrawFrame();
}

void TsSkinProvider::RedrawFrame() {
  if (Form && Form->HandleAllocated())
    RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}
