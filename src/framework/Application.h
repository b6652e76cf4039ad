#pragma once
#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "framework/Classes.h"
#include "framework/Messages.h"
#include "framework/WindowHost.h"

class TControl;
class TCustomForm;

// The running program: its forms, its hidden application window, the message
// loop, and which control the mouse is over.
class TApplication : public TComponent {
  DECLARE_CLASS_INFO

 public:
  TApplication() : TComponent(nullptr) {}
  ~TApplication() override;

  void Initialize() {}
  // The first form created this way becomes the main form.
  template <class T>
  T* CreateForm() {
    T* form = new T(this);
    if (!FMainForm) FMainForm = form;
    return form;
  }
  TCustomForm* MainForm() const { return FMainForm; }
  void SetMainForm(TCustomForm* form) { FMainForm = form; }

  // Shows the main form and handles messages until the application terminates.
  void Run();
  void Terminate();
  bool Terminated() const { return FTerminated; }
  // Handles every message waiting in the queue, then returns.
  void ProcessMessages();
  // Waits for one message and handles it.
  void HandleMessage();
  // Errors that escape an event handler are shown, not fatal.
  void HandleException(const std::exception& error);

  // The hidden window that stands for the application (owner of its forms).
  HWND Handle();
  // A hook returns true when it handled the message of the application window.
  using TWindowHook = std::function<bool(TMessage&)>;
  int HookMainWindow(TWindowHook hook);
  void UnhookMainWindow(int id);

  // The control the mouse is over. Changing it sends CM_MOUSELEAVE to the
  // controls the mouse left (innermost first) and CM_MOUSEENTER to those it
  // entered (outermost first); a control and its parents count as one chain.
  TControl* MouseControl() const { return FMouseControl; }
  void SetMouseControl(TControl* control);
  // The graphic control that holds the mouse capture of its parent window.
  TControl* CaptureControl() const { return FCaptureControl; }
  void SetCaptureControl(TControl* control) { FCaptureControl = control; }
  // Forgets a control that is being destroyed, without notifying anybody.
  void ControlDestroyed(TControl* control);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  // The hidden window: its messages go to the hooks, in the order they were added.
  class TacApplicationWindow final : public TacWindowHost {
   public:
    explicit TacApplicationWindow(TApplication& application) : FApplication(application) {}
    HWND Window();

   protected:
    void HostWndProc(TMessage& message) override;

   private:
    TApplication& FApplication;
  };

  void ProcessMessage(MSG& msg);

  TCustomForm* FMainForm = nullptr;
  bool FTerminated = false;
  TacApplicationWindow FWindow{*this};
  std::vector<std::pair<int, TWindowHook>> FHooks;
  int FNextHookId = 1;
  TControl* FMouseControl = nullptr;
  TControl* FCaptureControl = nullptr;
};

TApplication& Application();
