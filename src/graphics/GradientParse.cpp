#include <algorithm>
#include <charconv>
#include <string>

#include "base/Exception.h"
#include "base/StrUtils.h"
#include "graphics/Gradient.h"

namespace {
std::vector<std::string_view> SplitFields(std::string_view text) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = std::min(text.find(';', start), text.size());
    if (end > start) fields.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return fields;
}

int64_t ToInt64(std::string_view field) {
  std::string_view s = Trim(field);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  int64_t value = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (s.empty() || error != std::errc() || end != s.data() + s.size())
    throw Exception("'" + std::string(field) + "' is not a valid integer value");
  return value;
}

int32_t ToInt32(std::string_view field) {
  const int64_t value = ToInt64(field);
  if (value < INT32_MIN || value > INT32_MAX) throw Exception("'" + std::string(field) + "' is not a valid integer value");
  return static_cast<int32_t>(value);
}

// Field i, or an empty one (not a valid integer) when the text is too short.
std::string_view Field(const std::vector<std::string_view>& fields, size_t i) {
  return i < fields.size() ? fields[i] : std::string_view();
}

uint8_t PercentByte(int32_t percent) { return static_cast<uint8_t>(std::clamp(percent, 0, 100)); }

// Groups of five fields: colour, unused, segment percent, mode, unused.
void ParseClassic(const std::vector<std::string_view>& fields, TsGradArray& points) {
  const size_t count = fields.size() / 5;
  int32_t position = 0;
  for (size_t i = 0; i < count; ++i) {
    TsGradPoint p;
    p.Color = static_cast<uint32_t>(ToInt64(fields[i * 5])) | 0xFF000000u;
    p.Percent = PercentByte(position);
    position = std::min(position + PercentByte(ToInt32(fields[i * 5 + 2])), 100);
    p.Mode = static_cast<int32_t>(ToInt64(fields[i * 5 + 3])) & ~gmPointAlpha;
    points.push_back(p);
  }
  if (!points.empty() && (points[0].Mode & gmDirectionMask) == 2)
    while (points.size() < 5) points.push_back(points.back());
}

// Groups of three fields: colour, percent, mode; then the letter that counts them.
void ParseCounted(const std::vector<std::string_view>& fields, size_t count, TsGradArray& points) {
  bool anyAlpha = false;
  for (size_t i = 0; i < count; ++i) {
    TsGradPoint p;
    p.Color = static_cast<uint32_t>(ToInt64(Field(fields, i * 3)));
    p.Percent = PercentByte(ToInt32(Field(fields, i * 3 + 1)));
    p.Mode = static_cast<int32_t>(ToInt64(Field(fields, i * 3 + 2)));
    anyAlpha = anyAlpha || (p.Mode & gmPointAlpha);
    points.push_back(p);
  }
  if (anyAlpha) points[0].Mode |= gmAlphaOverlay;
}
}  // namespace

void ParseGradient(std::string_view text, TsGradArray& points) {
  points.clear();
  if (text.size() <= 4) return;
  const char layout = text.back();
  const std::vector<std::string_view> fields = SplitFields(text);
  if (layout == '0')
    ParseClassic(fields, points);
  else if (layout >= 'A' && layout <= 'Z')
    ParseCounted(fields, static_cast<size_t>(layout - 'A' + 1), points);
  for (size_t i = 0; i < points.size(); ++i) points[i].Index = static_cast<uint16_t>(i);
  if (!points.empty()) points.back().Percent = 100;
}
