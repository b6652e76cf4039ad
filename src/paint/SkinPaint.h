#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "graphics/Color.h"
#include "graphics/Geometry.h"
#include "graphics/ParentBG.h"

class TacWorkBitmap;
class TacSkinData;
struct TsMaskData;
struct TsGeneralData;

// Painting of skin sections and their image elements into work bitmaps. The
// painters read the loaded skin data and never change it; invalid indexes,
// empty rectangles and missing images draw nothing, and every write is cut to
// the destination bitmap.
//
// Parent backgrounds: operations with an Offset argument read the parent
// pixel of destination point (x, y) at ParentBG.Offset + Offset +
// (x - Rect.Left, y - Rect.Top). The element painters without one read it at
// (x, y) + ParentBG.Offset, as the bitmap copies do.

// A control's own border, replacing its section's colour border while IsChanged.
class TacPaintBorderData {
 public:
  virtual ~TacPaintBorderData() = default;
  bool IsChanged = false;
  int32_t Width = -1;  // -1: the section's BorderWidth
  TColor ColorNormal = clNone, ColorActive = clNone, ColorPressed = clNone;  // clNone: not set
  std::array<int32_t, 4> Corners{};
  // Radius of corner 0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right,
  // already scaled and limited to the owner's size.
  virtual int32_t GetCorner(int32_t Index) const { return Corners[static_cast<size_t>(Index & 3)]; }
};

// The whole section for State: background, corner images, then the border
// image or the colour border. Nothing when Bitmap or SkinData is nil, the
// index is invalid, or Rect is empty or not inside the bitmap.
void PaintSection(int32_t SkinIndex, const TacParentBG& ParentBG, const TacSkinData* SkinData, TacWorkBitmap* Bitmap,
                  TPoint Offset, const TRect& Rect, int32_t State);

// What a control's section has that a plain one has not.
struct TacControlLook {
  TColor CustomColor = clFuchsia;                    // the background's colour instead of the section's; clFuchsia: none
  const TacPaintBorderData* CustomBorder = nullptr;  // replaces the section's border while IsChanged
  bool UseParent = true;                             // the border image's transparent corners show the parent
};

// The border a section was painted with; sbNotPainted when nothing was.
enum TacSectionBorder { sbNotPainted, sbNone, sbImage, sbColor, sbColorNotDrawn };

// The one pipeline behind PaintSection (Look null) and the control's
// section painting: the state lowered to the section's States - 1, the
// background and corner images (of at most state 2 for a control), then the
// border. A control's border is its custom border while that is changed, a
// colour border only when the state has a border colour, and both with their
// corners limited to the control.
TacSectionBorder PaintSectionLayers(int32_t SkinIndex, const TacParentBG& ParentBG, const TacSkinData& SkinData,
                                    TacWorkBitmap& Bitmap, TPoint Offset, const TRect& Rect, int32_t State,
                                    const TacControlLook* Look);

// The background only. TextureIndex -1 takes the state's texture; CustomColor
// clFuchsia means none (a custom colour paints an opaque plain fill).
void PaintSectionBackground(int32_t SkinIndex, const TacParentBG& ParentBG, int32_t State, const TRect& Rect,
                            TPoint Offset, TacWorkBitmap& Bitmap, const TacSkinData& SkinData, int32_t TextureIndex,
                            int32_t HotTextureIndex, TColor CustomColor);

// A nine-piece image over Rect; UseParent lets transparent corner pixels show
// the parent.
void PaintBorderImage(TacWorkBitmap& Bitmap, const TRect& Rect, const TacParentBG& ParentBG, bool UseParent,
                      int32_t State, const TsMaskData& MaskData, const TacSkinData& SkinData);

// One state frame of an element at Point (which may be negative); Mode 1
// draws it normally, any other value faded.
void DrawSkinImage(TacWorkBitmap& Bitmap, TPoint Point, int32_t State, const TacParentBG& ParentBG,
                   const TsMaskData& MaskData, int32_t Mode, const TacSkinData& SkinData);

// The border drawn from colours, with rounded corners cut to the parent.
// Returns true when a border colour was drawn.
bool PaintColorBorder(TacWorkBitmap& Bitmap, const TRect& Rect, const TsGeneralData& GeneralData, bool LimitCorners,
                      int32_t PPI, const TacPaintBorderData* CustomBorder, const TacParentBG& ParentBG, int32_t State,
                      const TacSkinData& SkinData);

// Lets the outside of rounded corners show the parent. Radii nil: the
// section's BorderRadius at all four corners.
void CutRoundCorners(const TsGeneralData& GeneralData, TacWorkBitmap& Bitmap, const TRect& Rect,
                     bool RelativeToParent, const std::array<int32_t, 4>* Radii, const TacParentBG& ParentBG);

// Rect returned by FillTexture when no area is left uncovered.
inline constexpr TRect NoUncoveredArea{-1, -1, -1, -1};

// Places a texture by its placement code (DrawMode 0..14). Area comes in as
// the rectangle to cover and goes out as the part left for a colour fill.
void FillTexture(TacWorkBitmap& Bitmap, TRect& Area, const TsMaskData& MaskData, const TacParentBG& ParentBG,
                 const TacSkinData& SkinData);

// An outer-effect image around Rect: the nine pieces laid over Rect grown by
// Offsets (left, top, right, bottom), every piece at Opacity (0..255) and
// composed over what is there, so it also paints onto a transparent bitmap.
void PaintOuterImage(TacWorkBitmap& Bitmap, const TRect& Rect, int32_t Opacity, const TRect& Offsets, int32_t State,
                     const TsMaskData& MaskData, const TacSkinData& SkinData);

// The corner mask of radius R (1 or more): a (2R + 1)-pixel square of opaque
// white with a black anti-aliased disc of diameter 2R centred in it. Made on
// first use and kept for the life of the process.
const TacWorkBitmap& CornerMask(int32_t Radius);

// What the parent shows under Rect: its bitmap's pixels (unless it is the
// bitmap itself), or its colour with its border strips. The parent pixel of
// (x, y) is read at (x, y) + ParentBG.Offset.
void ShowParentUnder(TacWorkBitmap& Bitmap, const TRect& Rect, const TacParentBG& ParentBG);

// The section's corner images for State at the corners of Rect, each over
// what the bitmap already holds.
void DrawSectionCorners(TacWorkBitmap& Bitmap, const TRect& Rect, const TsGeneralData& Section, int32_t State,
                        const TacSkinData& SkinData);

// The corners of a nine-piece element's frame for State (bits of
// acCornerTL, acCornerBL, acCornerTR, acCornerBR) painted again at the
// corners of Rect over the parent, as its first paint showed them.
inline constexpr uint8_t acCornerTL = 1, acCornerBL = 2, acCornerTR = 4, acCornerBR = 8, acAllCorners = 15;
void PaintBorderCorners(TacWorkBitmap& Bitmap, const TRect& Rect, const TacParentBG& ParentBG, int32_t State,
                        const TsMaskData& MaskData, const TacSkinData& SkinData, uint8_t Corners);
