#pragma once
#include "Design.h"
#include "Raster.h"

// The skin-list picture of the skin: the application's main window as the
// engine frames it at 100 %, with its text shown as soft bars.
Raster DrawPreview(const Design& d);
