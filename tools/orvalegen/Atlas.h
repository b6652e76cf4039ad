#pragma once
#include <functional>
#include <string>
#include <vector>

#include "Design.h"
#include "Raster.h"

// The master bitmap ("MASTER COPY.PNG") is an atlas of elements, each a row of
// state frames at a fixed place. The options template names an element as
// {=NAME} and receives its reference, so places and references never disagree.

enum class ElementForm {
  Border,    // nine-slice with its own alpha: "^" reference
  Glyph,     // picture with its own alpha: normalized "&" reference
  KeyGlyph,  // picture whose transparent pixels are the key colour: "@" reference
};

struct Margins {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

struct AtlasElement {
  std::string Name;
  int X = 0, Y = 0;
  int FrameWidth = 0, FrameHeight = 0, Frames = 1;
  ElementForm Form = ElementForm::Border;
  Margins Slice;
  int DrawMode = 0;
  std::function<Raster(const Design&, int frame)> Draw;
};

constexpr int MasterWidth = 384;
constexpr int MasterHeight = 380;

const std::vector<AtlasElement>& MasterElements();
std::string ElementReference(const AtlasElement& e);
// Draws every element at its place; throws when an element leaves the bitmap
// or overlaps another.
Raster DrawMaster(const Design& d);
