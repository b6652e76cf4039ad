#include "framework/Application.h"

#include <algorithm>

#include "base/ErrorBox.h"
#include "framework/Form.h"

TApplication& Application() {
  static TApplication application;
  return application;
}

const TClassInfo& TApplication::StaticClassInfo() {
  static const TClassInfo info("TApplication", &TComponent::StaticClassInfo(), nullptr, nullptr);
  return info;
}

TApplication::~TApplication() { DestroyComponents(); }

void TApplication::Run() {
  if (FMainForm) FMainForm->Show();
  while (!FTerminated) HandleMessage();
}

void TApplication::Terminate() {
  if (FTerminated) return;
  FTerminated = true;
  PostQuitMessage(0);
}

void TApplication::ProcessMessages() {
  MSG msg{};
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      FTerminated = true;
      return;
    }
    ProcessMessage(msg);
  }
}

void TApplication::HandleMessage() {
  MSG msg{};
  if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
    FTerminated = true;
    return;
  }
  ProcessMessage(msg);
}

void TApplication::ProcessMessage(MSG& msg) {
  HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  auto* form = dynamic_cast<TCustomForm*>(TWinControl::FindControl(root));
  // Alt+letter goes to the control whose caption has that accelerator.
  if (form && msg.message == WM_SYSCHAR && form->Perform(CM_DIALOGCHAR, msg.wParam, msg.lParam)) return;
  // Tab, arrow and mnemonic keys move between the controls of a form.
  if (form && IsDialogMessageW(root, &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

void TApplication::HandleException(const std::exception& error) { ShowErrorBox(error.what()); }

HWND TApplication::Handle() { return FWindow.Window(); }

HWND TApplication::TacApplicationWindow::Window() {
  CreateHostWindow({.ClassName = L"TApplication", .Style = WS_POPUP});
  return Handle();
}

void TApplication::TacApplicationWindow::HostWndProc(TMessage& message) {
  // A hook may unhook itself while it runs.
  const auto hooks = FApplication.FHooks;
  for (const auto& [id, hook] : hooks) {
    bool handled = false;
    DispatchGuarded([&] { handled = hook(message); });
    if (handled) return;
  }
  DefaultHostProc(message);
}

int TApplication::HookMainWindow(TWindowHook hook) {
  FHooks.emplace_back(FNextHookId, std::move(hook));
  return FNextHookId++;
}

void TApplication::UnhookMainWindow(int id) {
  std::erase_if(FHooks, [id](const auto& entry) { return entry.first == id; });
}

namespace {
std::vector<TControl*> ParentChain(TControl* control) {
  std::vector<TControl*> chain;
  for (; control; control = control->Parent()) chain.push_back(control);
  return chain;
}
}  // namespace

void TApplication::SetMouseControl(TControl* control) {
  if (control == FMouseControl) return;
  const std::vector<TControl*> left = ParentChain(FMouseControl);
  const std::vector<TControl*> entered = ParentChain(control);
  FMouseControl = control;
  const auto contains = [](const std::vector<TControl*>& chain, TControl* c) {
    return std::find(chain.begin(), chain.end(), c) != chain.end();
  };
  for (TControl* c : left)
    if (!contains(entered, c)) c->Perform(CM_MOUSELEAVE);
  for (auto it = entered.rbegin(); it != entered.rend(); ++it)
    if (!contains(left, *it)) (*it)->Perform(CM_MOUSEENTER);
}

void TApplication::ControlDestroyed(TControl* control) {
  // The mouse is still over the parent; it hears nothing new.
  if (FMouseControl == control) FMouseControl = control->Parent();
  if (FCaptureControl == control) FCaptureControl = nullptr;
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FMainForm) FMainForm = nullptr;
}
