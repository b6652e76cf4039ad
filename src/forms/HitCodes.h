#pragma once
#include <windows.h>

#include <cstdint>

#include "graphics/Geometry.h"

// The provider's hit codes beyond the system's: user title buttons from
// 1000, and the border window's own answer (19), which has no default
// behaviour, so that every mouse event on it arrives as a non-client message.
inline constexpr int32_t acUserButtonCode = 1000;
inline constexpr int32_t acLastUserButton = 999;
inline constexpr int32_t acBorderWindowCode = 19;
// Moves the window with the mouse, as a press on its title does.
inline constexpr WPARAM acSC_DRAGMOVE = 0xF012;

// A maximised window dragged by its title comes back to its normal size
// once the cursor has moved this far.
inline constexpr int32_t acMaxDragThreshold = 5;
inline constexpr int32_t acMaxDragAbove = 8;
inline constexpr int32_t acMaxDragTopZone = 24;

bool IsTitleButtonCode(int32_t Code);
// The cursor the frame shows over an element; null where the default cursor stays.
HCURSOR CursorForHitCode(int32_t Code);
// Where a maximised window dragged by its title goes back to its normal
// size: centred under the cursor, its top a little above it.
TRect MaximisedDragPlacement(POINT Cursor, TSize NormalSize, int32_t MonitorTop);
