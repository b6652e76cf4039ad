#pragma once
#include "Raster.h"

// A soft shadow of a shape: its coverage blurred with a Gaussian of the given
// standard deviation and painted in `colour` (whose alpha is the strongest opacity).
Raster DropShadow(const Raster& shape, float sigma, Colour colour);
