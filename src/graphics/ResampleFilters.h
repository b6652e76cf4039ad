#pragma once
#include "graphics/Resample.h"

// A resampling kernel and how far from its centre it is non-zero.
struct TacFilterKernel {
  double (*Weight)(double x);
  double Support;
};

// Null Weight for an unknown filter number.
TacFilterKernel FilterKernel(TacResampleFilter filter);
