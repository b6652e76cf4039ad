#pragma once
// What the parameters of window messages carry, decoded in one place so that
// handlers read typed values instead of picking words out of WParam and LParam.
#include <windows.h>
#include <windowsx.h>

#include "framework/Messages.h"

// WM_MOUSEMOVE, WM_*BUTTON*: the pointer in client coordinates; WM_NCHITTEST
// and WM_NCMOUSE*: in screen coordinates. Both coordinates are signed.
inline POINT MousePoint(const TMessage& message) {
  return {GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
}
// The LParam of a mouse message at Point.
inline LPARAM MousePointParam(POINT point) {
  return MAKELPARAM(static_cast<WORD>(static_cast<short>(point.x)), static_cast<WORD>(static_cast<short>(point.y)));
}
// WM_CHAR, WM_SYSCHAR, CM_DIALOGCHAR: the character.
inline wchar_t CharCode(const TMessage& message) { return static_cast<wchar_t>(message.WParam); }

// WM_COMMAND and its reflection CN_COMMAND: the notification code (BN_*, EN_*).
inline UINT CommandCode(const TMessage& message) { return HIWORD(message.WParam); }
// WM_COMMAND, WM_CTLCOLOR*: the child window the message is about (null for
// menus and accelerators).
inline HWND ChildWindowParam(const TMessage& message) { return reinterpret_cast<HWND>(message.LParam); }

// WM_ACTIVATE: WA_ACTIVE, WA_CLICKACTIVE or WA_INACTIVE.
inline UINT ActivationState(const TMessage& message) { return LOWORD(message.WParam); }

// WM_SETCURSOR: the window under the pointer and the hit-test code there.
inline HWND CursorWindow(const TMessage& message) { return reinterpret_cast<HWND>(message.WParam); }
inline int CursorHitTest(const TMessage& message) { return static_cast<short>(LOWORD(message.LParam)); }

// WM_PAINT, WM_PRINTCLIENT, WM_ERASEBKGND, WM_CTLCOLOR*: the device context
// the message names (null for a WM_PAINT from the system).
inline HDC MessageDC(const TMessage& message) { return reinterpret_cast<HDC>(message.WParam); }

// Whether the message being handled was sent by this very thread (or came
// from its own queue). Any process can send a window of ours a message, and
// a pointer in it is only an address in the sender's memory.
inline bool FromOwnThread() { return InSendMessageEx(nullptr) == ISMEX_NOSEND; }

// The structure LParam points to (WM_NOTIFY, WM_DRAWITEM, ...), or null when
// the message did not come from this thread.
template <class T>
T* LParamPointer(const TMessage& message) {
  return FromOwnThread() ? reinterpret_cast<T*>(message.LParam) : nullptr;
}
