#pragma once
#include <memory>

#include "graphics/WorkBitmap.h"

class TacSkinData;

// One picture of a loaded skin over a light checkerboard: every section in
// every state at a small, a button and a large size, the standard elements
// frame by frame, and the window shadows, each under a label. Sizes follow
// the skin data's PPI.
std::unique_ptr<TacWorkBitmap> RenderContactSheet(TacSkinData& Data);
