#pragma once

class TacSkinPalette;

// The system-colour substitution: while installed, the process's own calls of
// GetSysColor, GetSysColorBrush and CreatePen answer with the colours of the
// palette CurrentPalette returns (none: the system's own answers); GetSysColor
// substitutes only while ActiveFormVisible says so. The engine's own colour
// conversion (ColorToRGB) keeps the system's values meanwhile, so that a
// palette built while the substitution is on falls back to system colours,
// not to the previous skin's. Windows only; everything runs on the UI thread.
using TacCurrentPaletteProc = const TacSkinPalette* (*)();
using TacActiveFormVisibleProc = bool (*)();

// False when the functions cannot be patched; nothing is changed then.
// Installing again only replaces the two callbacks.
bool InstallSysColorHooks(TacCurrentPaletteProc CurrentPalette, TacActiveFormVisibleProc ActiveFormVisible);
// Puts the functions back exactly as they were and frees the substitute brushes.
void UninstallSysColorHooks();
bool SysColorHooksInstalled();
