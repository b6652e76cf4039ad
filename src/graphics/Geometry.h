#pragma once
#include <cstdint>

// Plain geometry records with the field names and layout of the system's own
// RECT, POINT and SIZE, so the Windows layer can pass them straight through.
struct TPoint {
  int32_t X = 0;
  int32_t Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
  int32_t cx = 0;
  int32_t cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

// Right and bottom are exclusive unless an operation says otherwise.
struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;

  // Limited to the 32-bit range for rectangles wider than it.
  int32_t Width() const { return Span(Left, Right); }
  int32_t Height() const { return Span(Top, Bottom); }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  bool Contains(int32_t x, int32_t y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
  friend bool operator==(const TRect&, const TRect&) = default;

 private:
  static int32_t Span(int32_t from, int32_t to) {
    const int64_t span = int64_t{to} - from;
    return span > INT32_MAX ? INT32_MAX : span < INT32_MIN ? INT32_MIN : static_cast<int32_t>(span);
  }
};

inline TRect Rect(int32_t left, int32_t top, int32_t right, int32_t bottom) { return {left, top, right, bottom}; }
inline TRect Bounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  return {left, top, left + width, top + height};
}
