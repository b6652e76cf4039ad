#pragma once
#include <windows.h>

#include <exception>
#include <utility>

#include "framework/Messages.h"

// Reports an error that escaped a window procedure's handler: shown through
// the application, never unwound into the system's message dispatch.
void ReportWindowProcError(const std::exception& error);
void ReportUnknownWindowProcError();

// Runs one handler of a window procedure under that rule. Every window
// procedure of the framework, the controls' included, runs its handlers so.
template <class Handler>
void DispatchGuarded(Handler&& handler) noexcept {
  try {
    std::forward<Handler>(handler)();
  } catch (const std::exception& error) {
    ReportWindowProcError(error);
  } catch (...) {
    ReportUnknownWindowProcError();
  }
}

// Whether the message being handled was delivered by a call of this thread:
// Perform, a direct call of a window procedure, or SendFromOwnThread. What the
// system delivers otherwise (posted messages, and messages another thread or
// process sent) is not, so a pointer such a message carries is never followed.
// Code that runs outside any window procedure counts as this thread's.
bool DeliveredByOwnThread();

// SendMessageW; a window of this thread that the framework hosts sees the
// message as delivered by this thread.
LRESULT SendFromOwnThread(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// Marks where the messages handled in its scope come from; the window
// procedures of the framework, Perform and the direct calls set it.
class TacMessageDelivery {
 public:
  explicit TacMessageDelivery(bool ByOwnThread);
  // A window procedure called by the system for this message.
  TacMessageDelivery(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  ~TacMessageDelivery();
  TacMessageDelivery(const TacMessageDelivery&) = delete;
  TacMessageDelivery& operator=(const TacMessageDelivery&) = delete;

 private:
  bool FPrevious;
};

// A window of the engine that is not a control (the timer sink, the
// application window, glow and ripple windows): its class is registered on
// first use, the object is bound to its window from the window's first
// message on, and its messages reach HostWndProc under DispatchGuarded. The
// object outlives its window or destroys it; a window destroyed from outside
// (with its owner) leaves the object without a handle.
class TacWindowHost {
 public:
  TacWindowHost() = default;
  virtual ~TacWindowHost();
  TacWindowHost(const TacWindowHost&) = delete;
  TacWindowHost& operator=(const TacWindowHost&) = delete;

  HWND Handle() const { return FHandle; }

 protected:
  struct TacHostParams {
    const wchar_t* ClassName = nullptr;
    DWORD Style = WS_POPUP;
    DWORD ExStyle = 0;
    HWND Parent = nullptr;  // the owner of a popup; HWND_MESSAGE for a message-only window
    UINT ClassStyle = 0;
  };
  // Registers the class once per process and creates the window; false
  // (and no handle) when the system refuses either.
  bool CreateHostWindow(const TacHostParams& params);
  void DestroyHostWindow();

  // Every message of the window; what is not handled goes to DefaultHostProc.
  virtual void HostWndProc(TMessage& message);
  void DefaultHostProc(TMessage& message);

 private:
  static LRESULT CALLBACK HostProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void Unbind();

  HWND FHandle = nullptr;
};
