#include "framework/WindowHost.h"

#include <set>
#include <utility>
#include <stdexcept>
#include <string>

#include "framework/Application.h"

namespace {

const wchar_t kHostProperty[] = L"VelmoraWindowHost";

// The host whose window is being created on this thread: bound to the
// window's first message, which arrives before CreateWindowExW returns.
thread_local TacWindowHost* CreatingHost = nullptr;

bool RegisterHostClass(const wchar_t* name, UINT style, WNDPROC procedure) {
  static std::set<std::wstring> registered;
  if (registered.contains(name)) return true;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = style;
  wc.lpfnWndProc = procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  if (!RegisterClassExW(&wc)) return false;
  registered.insert(name);
  return true;
}

// The message this thread is sending through SendFromOwnThread: the window
// procedure that the system calls for it is the first to see it.
struct OwnSend {
  HWND Window = nullptr;
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  bool Pending = false;
};
thread_local OwnSend PendingOwnSend;
thread_local bool HandlingOwnThreadMessage = true;

bool TakeOwnSend(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  OwnSend& pending = PendingOwnSend;
  if (!pending.Pending || pending.Window != window || pending.Msg != msg || pending.WParam != wParam ||
      pending.LParam != lParam)
    return false;
  pending.Pending = false;
  return true;
}

}  // namespace

bool DeliveredByOwnThread() { return HandlingOwnThreadMessage; }

LRESULT SendFromOwnThread(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  const OwnSend previous = std::exchange(PendingOwnSend, {window, msg, wParam, lParam, true});
  const LRESULT result = SendMessageW(window, msg, wParam, lParam);
  PendingOwnSend = previous;
  return result;
}

TacMessageDelivery::TacMessageDelivery(bool ByOwnThread)
    : FPrevious(std::exchange(HandlingOwnThreadMessage, ByOwnThread)) {}

TacMessageDelivery::TacMessageDelivery(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
    : TacMessageDelivery(TakeOwnSend(window, msg, wParam, lParam)) {}

TacMessageDelivery::~TacMessageDelivery() { HandlingOwnThreadMessage = FPrevious; }

void ReportWindowProcError(const std::exception& error) { Application().HandleException(error); }

void ReportUnknownWindowProcError() { Application().HandleException(std::runtime_error("Unknown error")); }

TacWindowHost::~TacWindowHost() { DestroyHostWindow(); }

bool TacWindowHost::CreateHostWindow(const TacHostParams& params) {
  if (FHandle) return true;
  if (!RegisterHostClass(params.ClassName, params.ClassStyle, &TacWindowHost::HostProc)) return false;
  CreatingHost = this;
  const HWND window = CreateWindowExW(params.ExStyle, params.ClassName, L"", params.Style, 0, 0, 0, 0, params.Parent,
                                      nullptr, GetModuleHandleW(nullptr), nullptr);
  CreatingHost = nullptr;
  if (!window) FHandle = nullptr;
  return FHandle != nullptr;
}

void TacWindowHost::DestroyHostWindow() {
  if (!FHandle) return;
  // What the window hears while it goes goes to the system, not to an
  // object that may be half destroyed.
  const HWND window = FHandle;
  Unbind();
  DestroyWindow(window);
}

void TacWindowHost::Unbind() {
  RemovePropW(FHandle, kHostProperty);
  FHandle = nullptr;
}

void TacWindowHost::HostWndProc(TMessage& message) { DefaultHostProc(message); }

void TacWindowHost::DefaultHostProc(TMessage& message) {
  message.Result = DefWindowProcW(FHandle, message.Msg, message.WParam, message.LParam);
}

LRESULT CALLBACK TacWindowHost::HostProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* host = static_cast<TacWindowHost*>(GetPropW(window, kHostProperty));
  if (!host && CreatingHost) {
    host = std::exchange(CreatingHost, nullptr);
    host->FHandle = window;
    SetPropW(window, kHostProperty, host);
  }
  if (!host) return DefWindowProcW(window, msg, wParam, lParam);
  TMessage message{msg, wParam, lParam, 0};
  const TacMessageDelivery delivery(window, msg, wParam, lParam);
  DispatchGuarded([&] { host->HostWndProc(message); });
  if (msg == WM_NCDESTROY && host->FHandle == window) host->Unbind();
  return message.Result;
}
