#pragma once
#include <windows.h>

#include "graphics/CharImageListWin.h"

// Items of the standard glyph list that other parts draw by number.
enum TacStandardGlyph : int32_t {
  sgRadioMark = 5,
  sgCheckMark = 6,
  sgMove = 7,
  sgSmallCheck = 19,
  sgSmallCross = 20,
  sgMinimize = 21,
  sgMaximize = 22,
  sgRestore = 23,
  sgClose = 24,
};

// The process-wide list of 25 standard glyphs: items 0..20 from the icon font
// the program carries as resource "AWFONT", items 21..24 from "Marlett".
// Created and filled on first use.
TsCharImageList& StandardGlyphs();
// Whether the standard glyphs have installed the program's own icon font.
bool IconFontLoaded();

// The glyph of a system menu command, -1 for commands without one.
int32_t StandardGlyphOfSysCommand(UINT command);
