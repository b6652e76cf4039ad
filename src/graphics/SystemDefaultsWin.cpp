#include <windows.h>

#include "base/WinHandles.h"
#include "graphics/SystemDefaults.h"

uint32_t DefaultSysColor(int index) { return GetSysColor(index); }

// dwmapi is absent on old systems, so it is looked up at run time.
bool DefaultCompositionEnabled() {
  const TacScopedModule dwm(LoadLibraryW(L"dwmapi.dll"));
  if (!dwm) return false;
  using IsEnabledProc = HRESULT(WINAPI*)(BOOL*);
  BOOL enabled = FALSE;
  auto isEnabled =
      reinterpret_cast<IsEnabledProc>(reinterpret_cast<void*>(GetProcAddress(dwm.Get(), "DwmIsCompositionEnabled")));
  return isEnabled && SUCCEEDED(isEnabled(&enabled)) && enabled;
}
