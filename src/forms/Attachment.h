#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/WinHandles.h"
#include "framework/Classes.h"
#include "manager/FormAttachment.h"

class TCustomForm;
class TacDialogAdapter;
class TacMenuWindowAdapter;
class TsSkinProvider;
class TsSkinManager;

// The holder of one attached window: a form's runtime provider (the holder
// belongs to the form) or a system dialog's adapter (the holder belongs to
// the attachment). A holder leaves the attachment's list when it goes.
class TacProvider : public TComponent {
  DECLARE_CLASS_INFO

 public:
  explicit TacProvider(TComponent* Owner);
  ~TacProvider() override;

  void AttachForm(TCustomForm& Form);
  void AttachDialog(HWND Dialog, TsSkinManager& Manager);

  TsSkinProvider* sp = nullptr;
  HWND CtrlHandle = nullptr;
  std::unique_ptr<TacDialogAdapter> ListSW;

 protected:
  void Notification(TComponent* Component, TOperation Operation) override;
};

// The computer-based-training hook of the GUI thread that attaches skin
// providers to forms when they are activated, adapters to system dialogs
// when they are created or activated, and adapters to popup-menu windows.
class TacAttachment final : public TacFormAttachment {
 public:
  static TacAttachment& Instance();

  void InstallHook(TsSkinManager& Manager) override;
  void UnInstallHook(TsSkinManager& Manager) override;
  void AttachWindow(HWND Window);
  void AttachWindow(HWND Window, std::string_view ClassName);

  bool HookInstalled() const { return static_cast<bool>(FHook); }
  const std::vector<TacProvider*>& Holders() const { return FHolders; }
  const std::vector<std::unique_ptr<TacMenuWindowAdapter>>& MenuAdapters() const { return FMenuAdapters; }
  // Form classes that never get a runtime provider (compared with exact case).
  static const std::vector<std::string>& ExcludedClasses();
  // How many skinned system dialogs may be visible before a further one is
  // skinned only when it holds a toolbar.
  static constexpr size_t kMaxVisibleDialogs = 2;

 private:
  friend class TacProvider;
  TacAttachment() = default;
  static LRESULT CALLBACK HookProc(int Code, WPARAM WParam, LPARAM LParam);
  void WindowCreated(HWND Window, const CBT_CREATEWNDW& Creation);
  // Not skin-aware, not served yet, and a manager to skin it with.
  bool CanAttach(HWND Window) const;
  void AttachSystemWindow(HWND Window, std::string_view ClassName);
  void AttachDialog(HWND Dialog, TsSkinManager& Manager);
  void AttachMenu(HWND Menu, TsSkinManager& Manager);
  void HolderGone(TacProvider* Holder);
  size_t VisibleDialogs() const;

  TacScopedHook FHook;
  std::vector<TacProvider*> FHolders;
  std::vector<std::unique_ptr<TacMenuWindowAdapter>> FMenuAdapters;
};

// Connects the attachment to the skin manager.
void ConnectFormAttachment();
