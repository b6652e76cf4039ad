#include "framework/Screen.h"

#include <windows.h>

#include "base/WinHandles.h"
#include "framework/Form.h"

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

int TScreen::PixelsPerInch() const {
  const TacWindowDC screen(nullptr);
  const int ppi = GetDeviceCaps(screen.Get(), LOGPIXELSY);
  return ppi > 0 ? ppi : 96;
}

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }

int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }

TCustomForm* TScreen::ActiveCustomForm() const {
  HWND active = GetActiveWindow();
  for (TCustomForm* form : FCustomForms)
    if (form->HandleAllocated() && form->Handle() == active) return form;
  return nullptr;
}
