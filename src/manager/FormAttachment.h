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
  // default manager at the end of its skin broadcast (the manager's own form
  // is attached at once then when it has a window) and removed before its
  // skin goes.
  virtual void InstallHook(TsSkinManager& Manager) = 0;
  virtual void UnInstallHook(TsSkinManager& Manager) = 0;
};

// Null disconnects. The object is not owned.
void SetFormAttachment(TacFormAttachment* Attachment);
TacFormAttachment* FormAttachment();

// What the manager's OnSysDlgInit is told about a system dialog before it is skinned.
struct TacSysDlgData {
  HWND WindowHandle = nullptr;
};
