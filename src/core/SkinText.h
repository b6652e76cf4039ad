#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "graphics/Color.h"
#include "graphics/Geometry.h"

class TacWorkBitmap;
class TCanvas;
class TsCommonData;
class TsSkinManager;

// Text in the skin's colours. Format flags are DrawTextW's, passed through,
// plus acAlphaTextFlag, which asks for anti-aliased text that keeps the
// alpha channel of the bitmap it is drawn into. Texts are UTF-8.
inline constexpr UINT acAlphaTextFlag = 0x40000000;
// DrawTextW gets at most this many UTF-16 units of a text.
inline constexpr size_t acMaxDrawTextLength = 5460;

// The text as DrawTextW gets it: UTF-16, cut to acMaxDrawTextLength units,
// never between the two halves of a surrogate pair.
std::wstring DrawTextUnits(std::string_view Text);

// The one text primitive: DrawTextW with the DC's font and colour, or with
// acAlphaTextFlag DrawTextAlpha. Rect is in Bitmap's pixels when a bitmap is
// given. Returns the height of the text.
int32_t DrawSkinText(HDC DC, std::string_view Text, TRect& Rect, TacWorkBitmap* Bitmap, UINT Flags);
// Anti-aliased text through GDI+ with the DC's font and text colour (opaque
// when its alpha byte is 0); with DT_CALCRECT it measures instead, setting
// Rect's right and bottom. When GDI+ cannot draw and a bitmap is at hand the
// text goes through DrawTextOnAlphaBitmap in opaque mode.
void DrawTextAlpha(HDC DC, std::string_view Text, TRect& Rect, TacWorkBitmap* Bitmap, UINT Flags);
// Text rendered in Font as a coverage mask over Rect of Bitmap, composed in
// Color. Opaque mode makes covered pixels opaque; alpha mode keeps the
// bitmap's alpha where the text does not cover it (images for layered
// windows). Pixels stay straight alpha.
void DrawTextOnAlphaBitmap(TacWorkBitmap& Bitmap, HFONT Font, std::string_view Text, bool AlphaMode, TColor Color,
                           UINT Flags, const TRect& Rect);

// Outline sides of DrawTextGlow.
inline constexpr uint8_t tgLeft = 1, tgUp = 2, tgRight = 4, tgDown = 8, tgAllSides = 15;
// A glow of radius GlowSize (1..255) around the text, one pixel right and
// down of Rect, composed into Bitmap. MaskCache (may be null) keeps the mask
// bitmap between calls of the same size.
void DrawTextGlow(TacWorkBitmap& Bitmap, HFONT Font, std::string_view Text, const TRect& Rect,
                  TacWorkBitmap* MaskCache, TColor GlowColor, int32_t GlowSize, uint8_t Sides, UINT Flags);

// The blur weights of DrawTextGlow for GlowSize: all 1 over -H..H, so the
// result is the half-width H (1..15).
int32_t GlowKernelHalfWidth(int32_t GlowSize);

// A colour adjusted by the common data's colour tone, hue offset and
// saturation, as RGB.
TColor ToneColor(TColor Color, const TsCommonData& CommonData);

// The size of Text in Font: with WordWrap wrapped in WrapWidth, otherwise on
// one line (0 x 0 when the system cannot measure); AddOneChar adds the
// width of "I".
TSize MeasureText(HFONT Font, std::string_view Text, UINT Flags, bool AddOneChar = false, int32_t WrapWidth = 0,
                  bool WordWrap = false);
// Text shortened from its end, followed by "...", to fit Width on Canvas;
// unchanged when it fits, empty when not even "..." fits or Width < 1.
std::string CutTextToWidth(TCanvas& Canvas, std::string_view Text, int32_t Width);

// A control's caption in its section's colours for State: outline copies,
// glow into its cache, the disabled colour; plain (embossed when disabled)
// for controls that are not skinned or use their own font.
void WriteControlText(TCanvas& Canvas, std::string_view Text, bool Enabled, bool UseGlow, int32_t State,
                      TsCommonData& CommonData, UINT Flags, TRect Rect);
// Text in the colours of a given section (menus, panels, tabs); a null
// manager is the default one.
void WriteSectionText(TCanvas& Canvas, std::string_view Text, bool Enabled, TsSkinManager* SkinManager, int32_t State,
                      int32_t SkinIndex, UINT Flags, TRect Rect);
// The same onto a work bitmap, keeping its alpha: in alpha mode the outline
// copies first, then the text; in opaque mode the text alone.
void WriteSectionTextAlpha(TacWorkBitmap& Bitmap, HFONT Font, std::string_view Text, bool AlphaMode,
                           TsSkinManager* SkinManager, int32_t State, int32_t SkinIndex, UINT Flags,
                           const TRect& Rect);
