#include "graphics/Resample.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "graphics/BitmapCopy.h"
#include "graphics/PixelMath.h"
#include "graphics/ResampleFilters.h"
#include "graphics/WorkBitmap.h"

namespace {
// For every output index, the source indices it reads and their 16.16 weights.
struct Contributors {
  std::vector<size_t> First;  // per output: start in Index/Weight; one extra entry marks the end
  std::vector<int32_t> Index;
  std::vector<int32_t> Weight;
};

int32_t MirrorIndex(int64_t j, int32_t size) {
  if (j < 0) j = -j;
  if (j >= size) j = 2 * int64_t{size} - 1 - j;
  // A wide kernel over a tiny source can reach past one reflection.
  return static_cast<int32_t>(std::clamp<int64_t>(j, 0, size - 1));
}

Contributors BuildContributors(int32_t srcSize, int32_t dstSize, const TacFilterKernel& kernel) {
  // Corner pixels map onto corner pixels; a single output pixel keeps the plain ratio.
  const double scale = dstSize > 1 ? double(dstSize - 1) / double(srcSize - 1) : double(dstSize) / double(srcSize);
  const double kernelScale = std::min(scale, 1.0);
  const double support = kernel.Support / kernelScale;
  Contributors c;
  c.First.reserve(static_cast<size_t>(dstSize) + 1);
  for (int32_t i = 0; i < dstSize; ++i) {
    c.First.push_back(c.Index.size());
    const double center = i / scale;
    const auto left = static_cast<int64_t>(std::floor(center - support));
    const auto right = static_cast<int64_t>(std::ceil(center + support));
    // Sampled at a shrinking scale a kernel's weights need not add up to 1,
    // which would brighten or darken flat areas in stripes; they are divided
    // by their sum, which changes nothing where they already add up to 1.
    double sum = 0.0;
    for (int64_t j = left; j <= right; ++j) sum += kernel.Weight((center - double(j)) * kernelScale) * kernelScale;
    const double normal = sum > 0.0 ? 1.0 / sum : 1.0;
    const size_t first = c.Weight.size();
    int32_t fixedSum = 0;
    for (int64_t j = left; j <= right; ++j) {
      const double weight = kernel.Weight((center - double(j)) * kernelScale) * kernelScale;
      const auto fixed = static_cast<int32_t>(std::lround(weight * normal * 65536.0));
      if (fixed == 0) continue;
      c.Index.push_back(MirrorIndex(j, srcSize));
      c.Weight.push_back(fixed);
      fixedSum += fixed;
    }
    // What rounding lost goes to the largest weight, so a flat area keeps its value exactly.
    if (c.Weight.size() > first) {
      auto largest = std::max_element(c.Weight.begin() + static_cast<ptrdiff_t>(first), c.Weight.end());
      *largest += 65536 - fixedSum;
    }
  }
  c.First.push_back(c.Index.size());
  return c;
}

TacPixel PackSums(const int32_t sum[4]) {
  return MakePixel(ClampByte(sum[2] >> 16), ClampByte(sum[1] >> 16), ClampByte(sum[0] >> 16), ClampByte(sum[3] >> 16));
}

void AddWeighted(int32_t sum[4], TacPixel p, int32_t weight) {
  sum[0] += static_cast<int32_t>(Blue(p)) * weight;
  sum[1] += static_cast<int32_t>(Green(p)) * weight;
  sum[2] += static_cast<int32_t>(Red(p)) * weight;
  sum[3] += static_cast<int32_t>(Alpha(p)) * weight;
}

void Resample(const TacWorkBitmap& src, TacWorkBitmap& dest, int32_t newWidth, int32_t newHeight,
              const TacFilterKernel& kernel) {
  const int32_t srcWidth = src.Width(), srcHeight = src.Height();
  const auto width = static_cast<size_t>(newWidth);

  // Horizontal pass into an intermediate of the new width and the old height.
  const Contributors across = BuildContributors(srcWidth, newWidth, kernel);
  std::vector<TacPixel> work(width * static_cast<size_t>(srcHeight));
  for (int32_t y = 0; y < srcHeight; ++y) {
    const TacPixel* row = src.Row(y);
    TacPixel* out = work.data() + static_cast<size_t>(y) * width;
    for (size_t x = 0; x < width; ++x) {
      int32_t sum[4] = {0, 0, 0, 0};
      for (size_t k = across.First[x]; k < across.First[x + 1]; ++k) AddWeighted(sum, row[across.Index[k]], across.Weight[k]);
      out[x] = PackSums(sum);
    }
  }

  // Vertical pass: whole weighted rows are summed, which keeps memory access linear.
  const Contributors down = BuildContributors(srcHeight, newHeight, kernel);
  dest.SetSize(newWidth, newHeight);
  std::vector<int32_t> sums(width * 4);
  for (int32_t y = 0; y < newHeight; ++y) {
    std::fill(sums.begin(), sums.end(), 0);
    const auto oy = static_cast<size_t>(y);
    for (size_t k = down.First[oy]; k < down.First[oy + 1]; ++k) {
      const TacPixel* in = work.data() + static_cast<size_t>(down.Index[k]) * width;
      const int32_t weight = down.Weight[k];
      for (size_t x = 0; x < width; ++x) AddWeighted(&sums[x * 4], in[x], weight);
    }
    TacPixel* out = dest.Row(y);
    for (size_t x = 0; x < width; ++x) out[x] = PackSums(&sums[x * 4]);
  }
}

// Nearest-pixel scaling of a part of Src, as a colour-on-colour stretch does.
void StretchNearest(const TacWorkBitmap& src, const TRect& part, TacWorkBitmap& out) {
  for (int32_t y = 0; y < out.Height(); ++y) {
    const TacPixel* in = src.Row(part.Top + static_cast<int32_t>(int64_t{y} * part.Height() / out.Height()));
    TacPixel* row = out.Row(y);
    for (int32_t x = 0; x < out.Width(); ++x)
      row[x] = in[part.Left + static_cast<int32_t>(int64_t{x} * part.Width() / out.Width())];
  }
}

// Larger requests are mistakes that would only exhaust memory.
constexpr int32_t kMaxStretchSide = 32767;
}  // namespace

void ResampleBitmap(const TacWorkBitmap& src, TacWorkBitmap& dest, int32_t newWidth, int32_t newHeight,
                    TacResampleFilter filter) {
  const TacFilterKernel kernel = FilterKernel(filter);
  if (!kernel.Weight || src.Width() < 2 || src.Height() < 2 || newWidth < 1 || newHeight < 1) return;
  if (&src == &dest) {
    TacWorkBitmap copy;
    copy.Assign(src);
    ResampleBitmap(copy, dest, newWidth, newHeight, filter);
    return;
  }
  if (newWidth == src.Width() && newHeight == src.Height()) {
    dest.Assign(src);
    return;
  }
  Resample(src, dest, newWidth, newHeight, kernel);
}

void StretchAlphaImage(TacWorkBitmap& dest, int32_t destX, int32_t destY, int32_t opacity, const TRect& srcRect,
                       const TacWorkBitmap& src, int32_t destWidth, int32_t destHeight) {
  if (destWidth < 1 || destHeight < 1 || destWidth > kMaxStretchSide || destHeight > kMaxStretchSide) return;
  if (!src.BoundsRect().Contains(srcRect.Left, srcRect.Top) || !dest.BoundsRect().Contains(destX, destY)) return;
  const TRect part{srcRect.Left, srcRect.Top, std::min(srcRect.Right, src.Width()), std::min(srcRect.Bottom, src.Height())};
  if (part.IsEmpty()) return;

  TacWorkBitmap scaled(destWidth, destHeight);
  const bool filtered = part.Left == 0 && part.Top == 0 && part.Width() >= 2 && part.Height() >= 2;
  if (filtered && part == src.BoundsRect()) {
    ResampleBitmap(src, scaled, destWidth, destHeight, rfMitchell);
  } else if (filtered) {
    TacWorkBitmap piece(part.Width(), part.Height());
    for (int32_t y = 0; y < part.Height(); ++y) std::copy_n(src.Row(y), part.Width(), piece.Row(y));
    ResampleBitmap(piece, scaled, destWidth, destHeight, rfMitchell);
  } else {
    StretchNearest(src, part, scaled);
  }
  DrawAlphaImage(dest, scaled, {0, 0, destWidth - 1, destHeight - 1}, opacity, {destX, destY});
}
