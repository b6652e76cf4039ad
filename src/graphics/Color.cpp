#include "graphics/Color.h"

#include "graphics/SystemDefaults.h"

namespace {
TacSysColorQuery sysColorQuery = nullptr;
}

TacSysColorQuery SetSysColorQuery(TacSysColorQuery query) {
  TacSysColorQuery previous = sysColorQuery;
  sysColorQuery = query;
  return previous;
}

TColor ColorToRGB(TColor color) {
  if (color >= 0) return color;
  const int index = color & 0xFF;
  const uint32_t rgb = sysColorQuery ? sysColorQuery(index) : DefaultSysColor(index);
  return static_cast<TColor>(rgb & 0x00FFFFFFu);
}
