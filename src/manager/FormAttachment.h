#pragma once
#include <windows.h>

class TsSkinManager;

// What gives forms their skin providers and system dialogs their adapters.
// The form-skinning library connects itself; until it does, the manager
// skins no form automatically.
class TacFormAttachment {
 public:
  virtual ~TacFormAttachment() = default;
  // The thread hook that watches activation and creation, installed for the
  // default manager at the end of its skin broadcast and removed before its
  // skin goes.
  virtual void InstallHook(TsSkinManager& Manager) = 0;
  virtual void UnInstallHook(TsSkinManager& Manager) = 0;
  // Attaches one window now (the manager's own form when it finishes loading).
  virtual void AttachWindow(HWND Window) = 0;
};

// Null disconnects. The object is not owned.
void SetFormAttachment(TacFormAttachment* Attachment);
TacFormAttachment* FormAttachment();

// What the manager's OnSysDlgInit is told about a system dialog before it is skinned.
struct TacSysDlgData {
  HWND WindowHandle = nullptr;
};
