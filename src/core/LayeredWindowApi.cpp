#include "core/LayeredWindowApi.h"

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
