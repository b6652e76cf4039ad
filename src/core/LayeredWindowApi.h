#pragma once
#include <windows.h>

// UpdateLayeredWindow as found in user32 at run time; null where the system
// has no layered windows, and then glows and ripples stay off.
using TUpdateLayeredWindowProc = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*,
                                               DWORD);
TUpdateLayeredWindowProc UpdateLayeredWindowProc();
bool LayeredWindowsAvailable();

// Lets tests take layered windows away (null) or watch the updates.
void SetUpdateLayeredWindowProc(TUpdateLayeredWindowProc Proc);
// UpdateLayeredWindow as user32 has it, whatever the seam holds now.
TUpdateLayeredWindowProc SystemUpdateLayeredWindowProc();

class TacWorkBitmap;
// The pixels a layered-window update reads from its source device context
// (the bitmap selected into it), top row first; false when there are none.
bool ReadLayeredSource(HDC Source, SIZE Size, TacWorkBitmap& Image);
