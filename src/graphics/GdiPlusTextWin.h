#pragma once
#include <windows.h>

#include <string_view>

#include "graphics/Color.h"
#include "graphics/Geometry.h"

class TacWorkBitmap;

// Anti-aliased text through GDI+ with the font selected into FontDC, laid out
// as DrawTextW's Flags ask (horizontal and vertical alignment, word break,
// end ellipsis, right-to-left reading, prefix) in Rect grown by one pixel to
// the right and down. Drawn into Target's pixels, keeping their alpha, or
// onto FontDC when there is no target. False when GDI+ is missing or fails.
bool GdiPlusDrawText(HDC FontDC, std::wstring_view Text, const TRect& Rect, UINT Flags, TacPixel Color,
                     TacWorkBitmap* Target);

// The size Text takes in Width (wrapping with DT_WORDBREAK), rounded up;
// false when GDI+ is missing or fails.
bool GdiPlusMeasureText(HDC FontDC, std::wstring_view Text, int32_t Width, UINT Flags, TSize& Size);
