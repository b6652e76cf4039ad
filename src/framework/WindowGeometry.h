#pragma once
#include <windows.h>

// The client area of a window in the coordinates of its window rectangle,
// as a window device context sees it.
inline RECT ClientRectInWindow(HWND Window) {
  RECT client{}, bounds{};
  GetClientRect(Window, &client);
  GetWindowRect(Window, &bounds);
  POINT origin{0, 0};
  ClientToScreen(Window, &origin);
  OffsetRect(&client, origin.x - bounds.left, origin.y - bounds.top);
  return client;
}
