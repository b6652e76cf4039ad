#pragma once
#include <windows.h>

#include "graphics/WorkBitmap.h"

// The Windows side of a work bitmap: its DIB section and a memory device
// context with it selected, made on first request and kept with the bitmap.
// After drawing with GDI call GdiFlush before touching the pixels directly.
// Both are null for an empty bitmap.
HBITMAP WorkBitmapHandle(const TacWorkBitmap& bitmap);
HDC WorkBitmapDC(const TacWorkBitmap& bitmap);
