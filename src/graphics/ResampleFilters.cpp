#include "graphics/ResampleFilters.h"

#include <cmath>
#include <numbers>

namespace {
double Box(double x) { return x > -0.5 && x <= 0.5 ? 1.0 : 0.0; }

double Triangle(double x) {
  x = std::abs(x);
  return x < 1.0 ? 1.0 - x : 0.0;
}

double Hermite(double x) {
  x = std::abs(x);
  return x < 1.0 ? (2.0 * x - 3.0) * x * x + 1.0 : 0.0;
}

double Bell(double x) {
  x = std::abs(x);
  if (x < 0.5) return 0.75 - x * x;
  if (x < 1.5) {
    x -= 1.5;
    return 0.5 * x * x;
  }
  return 0.0;
}

double BSpline(double x) {
  x = std::abs(x);
  if (x < 1.0) return 0.5 * x * x * x - x * x + 2.0 / 3.0;
  if (x < 2.0) {
    x = 2.0 - x;
    return x * x * x / 6.0;
  }
  return 0.0;
}

double SinC(double x) {
  if (x == 0.0) return 1.0;
  x *= std::numbers::pi;
  return std::sin(x) / x;
}

double Lanczos3(double x) {
  x = std::abs(x);
  return x < 3.0 ? SinC(x) * SinC(x / 3.0) : 0.0;
}

double Mitchell(double x) {
  constexpr double B = 1.0 / 3.0, C = 1.0 / 3.0;
  x = std::abs(x);
  const double xx = x * x;
  if (x < 1.0)
    return ((12.0 - 9.0 * B - 6.0 * C) * xx * x + (-18.0 + 12.0 * B + 6.0 * C) * xx + (6.0 - 2.0 * B)) / 6.0;
  if (x < 2.0)
    return ((-B - 6.0 * C) * xx * x + (6.0 * B + 30.0 * C) * xx + (-12.0 * B - 48.0 * C) * x + (8.0 * B + 24.0 * C)) /
           6.0;
  return 0.0;
}
}  // namespace

TacFilterKernel FilterKernel(TacResampleFilter filter) {
  switch (filter) {
    case rfBox: return {Box, 0.51};
    case rfTriangle: return {Triangle, 1.0};
    case rfHermite: return {Hermite, 1.0};
    case rfBell: return {Bell, 1.5};
    case rfBSpline: return {BSpline, 2.0};
    case rfLanczos: return {Lanczos3, 3.0};
    case rfMitchell: return {Mitchell, 2.0};
  }
  return {nullptr, 0.0};
}
