#include "forms/Attachment.h"

#include <versionhelpers.h>

#include <algorithm>
#include <cctype>

#include "base/StrUtils.h"
#include "forms/SkinProvider.h"
#include "forms/WindowAdapters.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/Screen.h"
#include "graphics/Composition.h"
#include "manager/SkinManager.h"
#include "messages/SkinCommand.h"

namespace {

constexpr int32_t kNoSkinTag = 0x100;
constexpr ATOM kDialogAtom = 32770;
constexpr ATOM kMenuAtom = 32768;
// Whether file dialogs that host the newer shell view are skinned.
constexpr bool kSkinShellViewDialogs = false;

bool ApplicationGoing() { return Application().ComponentState().Contains(TComponentStateItem::csDestroying); }

std::string LowerClassName(HWND Window) {
  wchar_t name[256] = {};
  GetClassNameW(Window, name, 256);
  std::string text = WideToUtf8(name);
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

struct TacDescendantSearch {
  const char* LowerName;
  bool Found = false;
};

BOOL CALLBACK FindDescendantClass(HWND Window, LPARAM Param) {
  auto& search = *reinterpret_cast<TacDescendantSearch*>(Param);
  search.Found = LowerClassName(Window) == search.LowerName;
  return search.Found ? FALSE : TRUE;
}

// EnumChildWindows walks every depth.
bool HasDescendantClass(HWND Window, const char* LowerName) {
  TacDescendantSearch search{LowerName};
  EnumChildWindows(Window, FindDescendantClass, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

TCustomForm* FormOfWindow(HWND Window) {
  for (size_t i = Screen().CustomFormCount(); i-- > 0;) {
    TCustomForm* form = Screen().CustomForms(i);
    if (form->ComponentState().Contains(TComponentStateItem::csDestroying) || !form->HandleAllocated()) continue;
    if (form->Handle() == Window) return form;
  }
  return nullptr;
}

}  // namespace

const TClassInfo& TacProvider::StaticClassInfo() {
  static const TClassInfo info("TacProvider", &TComponent::StaticClassInfo(), nullptr, nullptr);
  return info;
}

TacProvider::TacProvider(TComponent* Owner) : TComponent(Owner) {}

TacProvider::~TacProvider() {
  Destroying();
  ListSW.reset();
  TacAttachment::Instance().HolderGone(this);
}

void TacProvider::Notification(TComponent* Component, TOperation Operation) {
  TComponent::Notification(Component, Operation);
  if (Operation == TOperation::opRemove && Component == sp) sp = nullptr;
}

void TacProvider::AttachForm(TCustomForm& Form) {
  sp = TsSkinProvider::CreateRT(&Form, true);
  FreeNotification(sp);
  sp->SetUseGlobalColor(false);
  sp->Form = &Form;
  CtrlHandle = Form.HandleAllocated() ? Form.Handle() : nullptr;
  const std::string& name = Form.ClassName();
  if (name == "TMessageForm" || name == "TInputQueryForm") sp->SkinData().SetSkinSection("DIALOG");
  const bool visible = Form.HandleAllocated() && IsWindowVisible(Form.Handle());
  if (CompositionEnabled()) {
    if (!sp->Adapter()) sp->Loaded();
    if (visible) {
      RedrawWindow(Form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
      SendMessageW(Form.Handle(), WM_NCPAINT, 0, 0);
    }
  } else if (visible && !Form.ComponentState().Contains(TComponentStateItem::csDesigning)) {
    UpdateWindow(Form.Handle());
    RedrawWindow(Form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  sp->SetMakeSkinMenu(false);
}

void TacProvider::AttachDialog(HWND Dialog, TsSkinManager& Manager) {
  CtrlHandle = Dialog;
  ListSW = std::make_unique<TacDialogAdapter>(Dialog, &Manager);
  // The holder goes with its dialog: a program that shows many boxes keeps no trace of them.
  ListSW->OnWindowDestroyed = [this](TacSubclassedWindow&) { delete this; };
  if (ListSW->Window()) SendSkinCommand(Dialog, SK_SKIN_LOADED, reinterpret_cast<LPARAM>(&Manager));
}

// Never destroyed: forms and their holders may outlive every other static
// object of the program (the application frees its forms last).
TacAttachment& TacAttachment::Instance() {
  static TacAttachment& attachment = *new TacAttachment;
  return attachment;
}

const std::vector<std::string>& TacAttachment::ExcludedClasses() {
  static const std::vector<std::string> names{
      "TApplication",           "TAdvSmoothMessageDialogForm", "TSynBaseCompletionProposalForm", "TPopupListboxFormEh",
      "TfcPopup",               "TfcxSliceFieldsPopup",        "TfcxMeasurePopup",               "TfcxFilterPopup",
      "TcxDateEditPopupWindow", "TcxPopupEditPopupWindow",     "TdxPopupEditForm",               "TcxComboBoxPopupWindow",
      "TcxGridFilterPopup",     "TPopupDBTreeView"};
  return names;
}

void TacAttachment::InstallHook(TsSkinManager& Manager) {
  if (!FHook) FHook.Reset(SetWindowsHookExW(WH_CBT, &TacAttachment::HookProc, nullptr, GetCurrentThreadId()));
  // The form the manager belongs to is skinned at once when its window exists
  // already; otherwise its first activation attaches it.
  for (TComponent* owner = Manager.Owner(); owner; owner = owner->Owner())
    if (auto* form = dynamic_cast<TCustomForm*>(owner)) {
      if (form->HandleAllocated()) AttachWindow(form->Handle());
      return;
    }
}

void TacAttachment::UnInstallHook(TsSkinManager&) {
  FMenuAdapters.clear();
  FHook.Reset();
  // Each holder leaves the list as it goes; a form's runtime provider stays on its form.
  while (!FHolders.empty()) delete FHolders.back();
}

void TacAttachment::HolderGone(TacProvider* Holder) { std::erase(FHolders, Holder); }

size_t TacAttachment::VisibleDialogs() const {
  return static_cast<size_t>(std::count_if(FHolders.begin(), FHolders.end(), [](const TacProvider* holder) {
    return holder->ListSW && holder->ListSW->Window() && IsWindowVisible(holder->ListSW->Window());
  }));
}

LRESULT CALLBACK TacAttachment::HookProc(int Code, WPARAM WParam, LPARAM LParam) {
  const LRESULT result = CallNextHookEx(nullptr, Code, WParam, LParam);
  if (ApplicationGoing()) return result;
  TacAttachment& attachment = Instance();
  switch (Code) {
    case HCBT_ACTIVATE:
      attachment.AttachWindow(reinterpret_cast<HWND>(WParam));
      break;
    case HCBT_CREATEWND:
      // A window whose creation another hook cancelled never exists.
      if (result == 0 && LParam) attachment.WindowCreated(reinterpret_cast<HWND>(WParam), *reinterpret_cast<const CBT_CREATEWNDW*>(LParam));
      break;
    default:
      break;
  }
  return result;
}

void TacAttachment::WindowCreated(HWND Window, const CBT_CREATEWNDW& Creation) {
  const CREATESTRUCTW* create = Creation.lpcs;
  if (!create) return;
  const auto classValue = reinterpret_cast<ULONG_PTR>(create->lpszClass);
  if (classValue < 0x10000) {
    TsSkinManager* manager = DefaultManager();
    if (classValue == kDialogAtom) {
      if (kSkinShellViewDialogs || !HasDescendantClass(Window, "duiviewwndclassname")) AttachWindow(Window, "#32770");
    } else if (classValue == kMenuAtom && manager && manager->SkinnedPopups() && IsWindowsVistaOrGreater() &&
               !IsSkinAwareWindow(Window)) {
      AttachMenu(Window, *manager);
    }
    return;
  }
  const std::string name = WideToUtf8(create->lpszClass);
  if (name == "TPUtilWindow" || create->style == 0 || create->dwExStyle == 0 || (create->style & WS_CHILD)) return;
  if (TCustomForm* main = Application().MainForm(); main && (!main->HandleAllocated() || main->Handle() == Window)) return;
  // Forms are attached when they are first activated, with what their
  // definition set by then (their Tag among it); here only system windows.
  if (CanAttach(Window)) AttachSystemWindow(Window, name);
}

bool TacAttachment::CanAttach(HWND Window) const {
  if (!DefaultManager() || !Window || ApplicationGoing() || IsSkinAwareWindow(Window)) return false;
  return std::none_of(FHolders.begin(), FHolders.end(), [Window](const TacProvider* h) { return h->CtrlHandle == Window; });
}

void TacAttachment::AttachWindow(HWND Window) {
  wchar_t name[256] = {};
  GetClassNameW(Window, name, 256);
  AttachWindow(Window, WideToUtf8(name));
}

void TacAttachment::AttachWindow(HWND Window, std::string_view ClassName) {
  if (!CanAttach(Window)) return;
  TsSkinManager* manager = DefaultManager();
  if (TCustomForm* form = FormOfWindow(Window)) {
    if (form->Tag() & kNoSkinTag) return;
    const std::string& formClass = form->ClassName();
    const std::vector<std::string>& excluded = ExcludedClasses();
    if (std::find(excluded.begin(), excluded.end(), formClass) != excluded.end()) return;
    const TacSkinningRule rule = formClass == "TMessageForm" ? TacSkinningRule::srStdDialogs : TacSkinningRule::srStdForms;
    if (!manager->SkinningRules().Contains(rule)) return;
    auto* holder = new TacProvider(form);
    FHolders.push_back(holder);
    holder->AttachForm(*form);
    return;
  }
  AttachSystemWindow(Window, ClassName);
}

void TacAttachment::AttachSystemWindow(HWND Window, std::string_view ClassName) {
  if (ClassName != "#32770" && ClassName != "NativeHWNDHost") return;
  if (GetWindowLongPtrW(Window, GWL_STYLE) & WS_CHILD) return;
  AttachDialog(Window, *DefaultManager());
}

void TacAttachment::AttachDialog(HWND Dialog, TsSkinManager& Manager) {
  if (!Manager.SkinningRules().Contains(TacSkinningRule::srStdDialogs)) return;
  if (VisibleDialogs() >= kMaxVisibleDialogs && !HasDescendantClass(Dialog, "toolbarwindow32")) return;
  TacSysDlgData data{Dialog};
  bool allow = true;
  if (Manager.OnSysDlgInit) Manager.OnSysDlgInit(&Manager, data, allow);
  if (!allow) return;
  auto* holder = new TacProvider(nullptr);
  FHolders.push_back(holder);
  holder->AttachDialog(Dialog, Manager);
  if (!holder->ListSW->Window()) delete holder;
}

void TacAttachment::AttachMenu(HWND Menu, TsSkinManager& Manager) {
  auto adapter = std::make_unique<TacMenuWindowAdapter>(Menu, &Manager);
  if (!adapter->Window()) return;
  adapter->OnWindowDestroyed = [this](TacSubclassedWindow& gone) {
    std::erase_if(FMenuAdapters, [&gone](const auto& a) { return a.get() == &gone; });
  };
  FMenuAdapters.push_back(std::move(adapter));
}

void ConnectFormAttachment() { SetFormAttachment(&TacAttachment::Instance()); }
