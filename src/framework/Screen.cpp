#include "framework/Screen.h"

#include <windows.h>

#include "framework/Form.h"

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

int TScreen::PixelsPerInch() const {
  HDC dc = GetDC(nullptr);
  const int ppi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
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
