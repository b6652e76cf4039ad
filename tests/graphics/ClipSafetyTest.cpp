// Every operation is run with rectangles and places that lie partly or wholly
// outside the bitmaps; the sanitizers of the native build report any access
// outside them and any arithmetic that overflows on the way.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <set>
#include <string>

#include "BitmapFixture.h"
#include "graphics/AlphaOps.h"
#include "graphics/Arrows.h"
#include "graphics/BitmapCopy.h"
#include "graphics/Gradient.h"
#include "graphics/PixelFill.h"
#include "graphics/Resample.h"

namespace {
const TRect kAwkwardRects[] = {
    Rect(5, 5, 2, 2),                          // inverted
    Rect(3, 3, 3, 3),                          // empty
    Rect(-10, -10, -1, -1),                    // wholly before the bitmap
    Rect(-4, -4, 3, 3),                        // negative start
    Rect(2, 2, 1000, 1000),                    // oversized
    Rect(7, 0, 20, 7),                         // starts at the width
    Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX),   // the widest possible
    Rect(INT_MAX - 1, 0, INT_MAX, 7),
    Rect(0, INT_MIN, 7, INT_MIN + 2),
};

struct Operation {
  const char* Name;
  std::function<void(TacWorkBitmap& dest, const TacWorkBitmap& src, const TRect& rect)> Run;
};

TsGradArray Gradient(std::string_view text) {
  TsGradArray points;
  ParseGradient(text, points);
  return points;
}

const TacParentBG kParentColour{nullptr, {}, 0x00FF0000, {}, false};

const Operation kOperations[] = {
    {"FillPixels", [](TacWorkBitmap& d, const TacWorkBitmap&, const TRect& r) { FillPixels(d, r, clRed, 255); }},
    {"FillFrame", [](TacWorkBitmap& d, const TacWorkBitmap&, const TRect& r) { FillFrame(d, r, Rect(1, 1, 2, 2), 255, clRed); }},
    {"FillBorderStrips",
     [](TacWorkBitmap& d, const TacWorkBitmap&, const TRect& r) { FillBorderStrips(d, r, 2, INT_MAX, -3, INT_MIN, clRed); }},
    {"TintRect", [](TacWorkBitmap& d, const TacWorkBitmap&, const TRect& r) { TintRect(d, r, 10, clRed); }},
    {"BlendBitmap",
     [](TacWorkBitmap& d, const TacWorkBitmap& s, const TRect& r) { BlendBitmap(d, s, 0, {r.Left, r.Top}, r); }},
    {"DrawAlphaImage",
     [](TacWorkBitmap& d, const TacWorkBitmap& s, const TRect& r) { DrawAlphaImage(d, s, r, 255, {r.Right, r.Bottom}); }},
    {"CopyKeyed",
     [](TacWorkBitmap& d, const TacWorkBitmap& s, const TRect& r) {
       CopyKeyed(d, s, r.Left, r.Bottom, r, clFuchsia, true, ParentBGFromBitmap(const_cast<TacWorkBitmap*>(&s), r.Left, r.Top));
     }},
    {"CopyKeyedColour",
     [](TacWorkBitmap& d, const TacWorkBitmap& s, const TRect& r) { CopyKeyed(d, s, -2, 1, r, clFuchsia, true, kParentColour); }},
    {"CopyKeyedFaded",
     [](TacWorkBitmap& d, const TacWorkBitmap& s, const TRect& r) { CopyKeyedFaded(d, s, r.Right, r.Top, r, clFuchsia, 0); }},
    {"CopyKeyedBlended",
     [](TacWorkBitmap& d, const TacWorkBitmap& s, const TRect& r) { CopyKeyedBlended(d, s, 1, -1, r, clFuchsia, 0); }},
    {"SetAlphaRect",
     [](TacWorkBitmap& d, const TacWorkBitmap&, const TRect& r) { SetAlphaRect(d, r, 1, std::span<const TRect>(&r, 1), clNone); }},
    {"PremultiplyAlpha", [](TacWorkBitmap& d, const TacWorkBitmap&, const TRect& r) { PremultiplyAlpha(d, r); }},
    {"StretchAlphaImage",
     [](TacWorkBitmap& d, const TacWorkBitmap& s, const TRect& r) { StretchAlphaImage(d, r.Left, r.Top, 255, r, s, 9, 9); }},
    {"PaintGradientVertical",
     [](TacWorkBitmap& d, const TacWorkBitmap&, const TRect& r) { PaintGradient(d, r, Gradient("1;0;-50;0;0;2;0;300;0;0;3;0;0;0;0"), 0); }},
    {"PaintGradientExtra",
     [](TacWorkBitmap& d, const TacWorkBitmap&, const TRect& r) { PaintGradient(d, r, Gradient("1;0;40;0;0;2;0;0;0;0"), -100000); }},
    {"PaintGradientHorizontal",
     [](TacWorkBitmap& d, const TacWorkBitmap&, const TRect& r) { PaintGradient(d, r, Gradient("1;100;1;2;0;16;3;50;1;C"), 0); }},
    {"PaintGradientCorners",
     [](TacWorkBitmap& d, const TacWorkBitmap&, const TRect& r) { PaintGradient(d, r, Gradient("1;0;40;2;0;2;0;0;0;0"), 0); }},
    {"PaintTextureGradient",
     [](TacWorkBitmap& d, const TacWorkBitmap& s, const TRect& r) {
       PaintTextureGradient(d, r, Gradient("1;0;40;1;0;2;0;0;0;0"), 255, 100, r, s);
     }},
    {"DrawArrow", [](TacWorkBitmap& d, const TacWorkBitmap&, const TRect& r) { DrawArrow(d, clRed, r, 192, adLeft); }},
};
}  // namespace

TEST(ClipSafety, NoOperationTouchesPixelsOutsideItsBitmaps) {
  for (const Operation& op : kOperations)
    for (const TRect& rect : kAwkwardRects) {
      auto src = Filled(5, 6, 0xFF00FF00);
      TacWorkBitmap dest(7, 7);
      op.Run(dest, *src, rect);
      EXPECT_EQ(CountOther(*src, 0xFF00FF00), 0) << op.Name << " changed its source";
    }
}

// Into an empty bitmap nothing is drawn and the source is left alone; from
// an empty source, the operations that copy or blend it leave the
// destination as it was.
TEST(ClipSafety, EmptyBitmapsAreHarmless) {
  const std::set<std::string> copiesTheSource = {"BlendBitmap",      "DrawAlphaImage",    "CopyKeyed",
                                                 "CopyKeyedColour",  "CopyKeyedFaded",    "CopyKeyedBlended",
                                                 "StretchAlphaImage", "PaintTextureGradient"};
  for (const Operation& op : kOperations) {
    SCOPED_TRACE(op.Name);
    TacWorkBitmap empty;
    auto src = Filled(3, 3, 0xFF00FF00);
    op.Run(empty, *src, Rect(0, 0, 3, 3));
    EXPECT_TRUE(empty.Empty());
    EXPECT_EQ(CountOther(*src, 0xFF00FF00), 0);
    auto dest = Filled(3, 3, 0x12345678);
    op.Run(*dest, empty, Rect(0, 0, 3, 3));
    if (copiesTheSource.contains(op.Name)) {
      EXPECT_EQ(CountOther(*dest, 0x12345678), 0);
    }
  }
}
