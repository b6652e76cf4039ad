#include "Shadow.h"

#include <cmath>
#include <vector>

namespace {

std::vector<float> GaussianKernel(float sigma) {
  const int radius = static_cast<int>(std::ceil(sigma * 3));
  std::vector<float> kernel(static_cast<size_t>(2 * radius + 1));
  float sum = 0;
  for (int i = -radius; i <= radius; ++i) {
    const float v = std::exp(-static_cast<float>(i * i) / (2 * sigma * sigma));
    kernel[static_cast<size_t>(i + radius)] = v;
    sum += v;
  }
  for (float& v : kernel) v /= sum;
  return kernel;
}

// One pass of the separable blur; `step` walks along a row (1) or a column (width).
std::vector<float> BlurPass(const std::vector<float>& in, int width, int height, bool horizontal,
                            const std::vector<float>& kernel) {
  const int radius = static_cast<int>(kernel.size() / 2);
  std::vector<float> out(in.size());
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      float sum = 0;
      for (int k = -radius; k <= radius; ++k) {
        const int sx = horizontal ? x + k : x;
        const int sy = horizontal ? y : y + k;
        if (sx < 0 || sy < 0 || sx >= width || sy >= height) continue;
        sum += in[static_cast<size_t>(sy) * width + sx] * kernel[static_cast<size_t>(k + radius)];
      }
      out[static_cast<size_t>(y) * width + x] = sum;
    }
  return out;
}

}  // namespace

Raster DropShadow(const Raster& shape, float sigma, Colour colour) {
  const int w = shape.Width();
  const int h = shape.Height();
  std::vector<float> alpha(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) alpha[static_cast<size_t>(y) * w + x] = shape.Pixel(x, y).A;
  const std::vector<float> kernel = GaussianKernel(sigma);
  alpha = BlurPass(BlurPass(alpha, w, h, true, kernel), w, h, false, kernel);
  Raster out(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) out.SetPixel(x, y, WithAlpha(colour, colour.A * alpha[static_cast<size_t>(y) * w + x]));
  return out;
}
