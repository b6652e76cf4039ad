#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "Atlas.h"
#include "Design.h"
#include "Elements.h"
#include "OrvaleTestData.h"

namespace {

const Design& OrvaleDesign() {
  static const Design design = Design::FromFile(OrvaleDesignDir() + "/Design.ini");
  return design;
}

const AtlasElement& Element(const std::string& name) {
  for (const AtlasElement& e : MasterElements())
    if (e.Name == name) return e;
  throw std::runtime_error("no element " + name);
}

bool SamePixel(const Raster& a, int ax, int ay, const Raster& b, int bx, int by) {
  const Colour p = a.Pixel(ax, ay), q = b.Pixel(bx, by);
  auto near = [](float x, float y) { return std::abs(x - y) < 1.0f / 255.0f; };
  return near(p.A, q.A) && (p.A == 0 || (near(p.R, q.R) && near(p.G, q.G) && near(p.B, q.B)));
}

bool SameFrame(const Raster& r, int ax, int bx, int y, int width, int height) {
  for (int dy = 0; dy < height; ++dy)
    for (int dx = 0; dx < width; ++dx)
      if (!SamePixel(r, ax + dx, y + dy, r, bx + dx, y + dy)) return false;
  return true;
}

// The engine stretches the middle slices of these images, so they must not
// change along the stretch.
void ExpectUniformMiddleSlices(const Raster& r, int x0, int width, int height, Slices m) {
  for (int y = 0; y < height; ++y) {
    if (y >= m.Top && y < height - m.Bottom) continue;
    for (int x = m.Left + 1; x < width - m.Right; ++x)
      EXPECT_TRUE(SamePixel(r, x0 + x, y, r, x0 + m.Left, y)) << x << "," << y;
  }
  for (int x = 0; x < width; ++x) {
    if (x >= m.Left && x < width - m.Right) continue;
    for (int y = m.Top + 1; y < height - m.Bottom; ++y)
      EXPECT_TRUE(SamePixel(r, x0 + x, y, r, x0 + x, m.Top)) << x << "," << y;
  }
}

TEST(OrvaleStretchedImages, MiddleSlicesAreUniformAlongTheirStretch) {
  const Raster frame = DrawFrameImage(OrvaleDesign());
  ASSERT_EQ(frame.Width(), 100);
  ASSERT_EQ(frame.Height(), 80);
  for (int state = 0; state < 2; ++state) {
    SCOPED_TRACE(state);
    ExpectUniformMiddleSlices(frame, state * 50, 50, 80, Slices{20, 46, 21, 21});
  }
  const Raster glow = DrawEditGlow(OrvaleDesign());
  ASSERT_EQ(glow.Width(), 24);
  ASSERT_EQ(glow.Height(), 24);
  ExpectUniformMiddleSlices(glow, 0, 24, 24, Slices{7, 7, 7, 7});
}

TEST(OrvaleEditGlow, GlowsOutsideTheFieldAndLeavesItsInsideClear) {
  const Raster glow = DrawEditGlow(OrvaleDesign());
  EXPECT_GT(glow.Pixel(3, 12).A, 0.05f) << "soft glow outside the field's edge";
  EXPECT_GT(glow.Pixel(5, 12).A, 0.9f) << "crisp line on the field's edge";
  EXPECT_EQ(glow.Pixel(7, 12).A, 0.0f) << "the field's inside stays visible";
  EXPECT_LT(glow.Pixel(0, 12).A, glow.Pixel(3, 12).A) << "fading outward";
}

TEST(OrvaleFrameImage, HasASoftShadowRoundedCornersAndTwoDistinctTitles) {
  const Raster frame = DrawFrameImage(OrvaleDesign());
  for (int state = 0; state < 2; ++state) {
    const int x0 = state * 50;
    SCOPED_TRACE(state);
    EXPECT_EQ(frame.Pixel(x0, 0).A, 0) << "the shadow fades out before the image's edge";
    const float shadow = frame.Pixel(x0 + 24, 12).A;
    EXPECT_GT(shadow, 0.02f);
    EXPECT_LT(shadow, 0.5f);
    EXPECT_LT(frame.Pixel(x0 + 14, 14).A, 0.6f) << "the top-left corner is rounded";
    EXPECT_FLOAT_EQ(frame.Pixel(x0 + 24, 30).A, 1.0f) << "the title bar is opaque";
    EXPECT_FLOAT_EQ(frame.Pixel(x0 + 16, 52).A, 1.0f) << "the side border is opaque";
  }
  EXPECT_FALSE(SamePixel(frame, 24, 30, frame, 74, 30)) << "inactive and active titles differ";
  EXPECT_GT(frame.Pixel(74, 12).A, frame.Pixel(24, 12).A) << "the active shadow is the stronger one";
}

// Key-colour elements are painted by comparing whole pixels with 0xFF00FF:
// every pixel must be opaque, and either exactly the key or clearly not it.
void ExpectPixelExactKeyColour(const Raster& r, int x0, int y0, int width, int height) {
  int keys = 0;
  for (int y = y0; y < y0 + height; ++y)
    for (int x = x0; x < x0 + width; ++x) {
      const Colour p = r.Pixel(x, y);
      ASSERT_FLOAT_EQ(p.A, 1.0f) << x << "," << y;
      const bool key = p.R == 1.0f && p.G == 0.0f && p.B == 1.0f;
      keys += key;
      if (!key) {
        EXPECT_FALSE(p.R > 0.9f && p.G < 0.1f && p.B > 0.9f) << "near-key pixel at " << x << "," << y;
      }
    }
  EXPECT_GT(keys, 0) << "rounded shapes leave key pixels in their corners";
}

TEST(OrvaleKeyColourElements, AreOpaqueAndPixelExact) {
  const Raster master = DrawMaster(OrvaleDesign());
  for (const AtlasElement& e : MasterElements()) {
    if (e.Form != ElementForm::KeyGlyph) continue;
    SCOPED_TRACE(e.Name);
    ExpectPixelExactKeyColour(master, e.X, e.Y, e.FrameWidth * e.Frames, e.FrameHeight);
  }
  const Raster huge = OnKeyColour(DrawHugeButton(OrvaleDesign(), 60, 0), OrvaleDesign().Col("Window", "Surface"));
  ExpectPixelExactKeyColour(huge, 0, 0, 60, 60);
}

struct StateImage {
  const char* Name;
  int FrameWidth, FrameHeight, Frames;
};

// Every state of an element must read differently at a glance.
TEST(OrvaleStateImages, HaveTheirSizeAndDistinctFrames) {
  const StateImage images[] = {
      {"BICONCLOSE", 24, 24, 3}, {"BICONMAX", 24, 24, 3},  {"BICONMIN", 24, 24, 3},      {"BICONNORM", 24, 24, 3},
      {"BUTTON", 30, 23, 4},     {"TABTOP", 28, 24, 3},    {"BOXCHECKED", 17, 17, 3},    {"SLIDERH", 20, 14, 2},
      {"TOOLBUTTON", 24, 22, 3}, {"SWITCHON", 36, 20, 3},  {"RADIOCHECKED", 17, 17, 3},  {"BICLOSEALONE200", 48, 48, 3},
  };
  const Raster master = DrawMaster(OrvaleDesign());
  for (const StateImage& image : images) {
    SCOPED_TRACE(image.Name);
    const AtlasElement& e = Element(image.Name);
    EXPECT_EQ(e.FrameWidth, image.FrameWidth);
    EXPECT_EQ(e.FrameHeight, image.FrameHeight);
    ASSERT_EQ(e.Frames, image.Frames);
    for (int a = 0; a < e.Frames; ++a)
      for (int b = a + 1; b < e.Frames; ++b)
        EXPECT_FALSE(SameFrame(master, e.X + a * e.FrameWidth, e.X + b * e.FrameWidth, e.Y, e.FrameWidth, e.FrameHeight))
            << "frames " << a << " and " << b;
  }
}

TEST(OrvaleAtlas, ReferencesUseTheFormOfTheirElement) {
  EXPECT_EQ(ElementReference(Element("BOXCHECKED")), "@0057@0135@0108@0152@3@0");
  EXPECT_EQ(ElementReference(Element("BUTTON")), "^0144^0048^0264^0071^0006^0005^0006^0005^4^0^21");
  // Normalized form: image count 3, no mask row, a glyph, own alpha (16).
  EXPECT_EQ(ElementReference(Element("BICONCLOSE")), "&0000000000720024000000000000000030216000000");
}

}  // namespace
