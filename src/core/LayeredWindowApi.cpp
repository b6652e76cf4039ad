#include "core/LayeredWindowApi.h"

#include "graphics/WorkBitmap.h"

namespace {

TUpdateLayeredWindowProc LoadSystemProc() {
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (!user32) return nullptr;
  return reinterpret_cast<TUpdateLayeredWindowProc>(
      reinterpret_cast<void*>(GetProcAddress(user32, "UpdateLayeredWindow")));
}

TUpdateLayeredWindowProc& CurrentProc() {
  static TUpdateLayeredWindowProc proc = LoadSystemProc();
  return proc;
}

}  // namespace

TUpdateLayeredWindowProc UpdateLayeredWindowProc() { return CurrentProc(); }

bool LayeredWindowsAvailable() { return CurrentProc() != nullptr; }

void SetUpdateLayeredWindowProc(TUpdateLayeredWindowProc Proc) { CurrentProc() = Proc; }

TUpdateLayeredWindowProc SystemUpdateLayeredWindowProc() {
  static const TUpdateLayeredWindowProc proc = LoadSystemProc();
  return proc;
}

bool ReadLayeredSource(HDC Source, SIZE Size, TacWorkBitmap& Image) {
  const auto bitmap = static_cast<HBITMAP>(GetCurrentObject(Source, OBJ_BITMAP));
  if (!bitmap || Size.cx <= 0 || Size.cy <= 0) return false;
  Image.SetSize(Size.cx, Size.cy);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), Size.cx, -Size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  if (GetDIBits(Source, bitmap, 0, static_cast<UINT>(Size.cy), Image.ScanLine(0), &info, DIB_RGB_COLORS)) return true;
  Image.SetSize(0, 0);
  return false;
}
