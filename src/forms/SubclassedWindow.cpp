#include "forms/SubclassedWindow.h"

#include <unordered_map>

#include "framework/WindowHost.h"

namespace {
// Never destroyed: adapters go with their holders, which may go last of all.
std::unordered_map<HWND, TacSubclassedWindow*>& Subclassed() {
  static auto& windows = *new std::unordered_map<HWND, TacSubclassedWindow*>;
  return windows;
}
}  // namespace

TacSubclassedWindow::TacSubclassedWindow(HWND Window) : FWindow(Window) {
  if (!IsWindow(Window) || Subclassed().contains(Window)) {
    FWindow = nullptr;
    return;
  }
  Subclassed()[Window] = this;
  FOldProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TacSubclassedWindow::Procedure)));
  if (!FOldProc) {
    Subclassed().erase(Window);
    FWindow = nullptr;
  }
}

TacSubclassedWindow::~TacSubclassedWindow() { GiveProcedureBack(); }

void TacSubclassedWindow::GiveProcedureBack() {
  if (!FWindow) return;
  Subclassed().erase(FWindow);
  if (IsWindow(FWindow) &&
      GetWindowLongPtrW(FWindow, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&TacSubclassedWindow::Procedure))
    SetWindowLongPtrW(FWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FOldProc));
  FWindow = nullptr;
}

LRESULT TacSubclassedWindow::CallOldProc(const TMessage& Message) const {
  return CallWindowProcW(FOldProc, FWindow, Message.Msg, Message.WParam, Message.LParam);
}

LRESULT CALLBACK TacSubclassedWindow::Procedure(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  const auto found = Subclassed().find(Window);
  if (found == Subclassed().end()) return DefWindowProcW(Window, Msg, WParam, LParam);
  TacSubclassedWindow& self = *found->second;
  TMessage message{Msg, WParam, LParam, 0};
  const TacMessageDelivery delivery(Window, Msg, WParam, LParam);
  const WNDPROC oldProc = self.FOldProc;
  bool handled = false;
  DispatchGuarded([&] { handled = self.WndProc(message); });
  if (Msg != WM_NCDESTROY) return handled ? message.Result : self.CallOldProc(message);
  // The window's own procedure ends first; then nothing of ours stays on it.
  const LRESULT result = handled ? message.Result : CallWindowProcW(oldProc, Window, Msg, WParam, LParam);
  self.GiveProcedureBack();
  // The callback may free this object, and with it the callback's own storage.
  if (const auto destroyed = std::move(self.OnWindowDestroyed)) destroyed(self);
  return result;
}
