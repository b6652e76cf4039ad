#include "skin/ElementReference.h"

#include <algorithm>
#include <vector>

namespace {

constexpr size_t kFileNamePosition = 44;  // 0-based start of the file name

std::vector<std::string_view> SplitFields(std::string_view value) {
  // The first character names the form and separates the fields.
  std::vector<std::string_view> fields;
  const char separator = value.front();
  size_t start = 1;
  for (;;) {
    const size_t next = value.find(separator, start);
    fields.push_back(value.substr(start, next == std::string_view::npos ? std::string_view::npos : next - start));
    if (next == std::string_view::npos) break;
    start = next + 1;
  }
  return fields;
}

int ToInt(std::string_view field) {
  int value = 0;
  for (char c : field) {
    if (c < '0' || c > '9') break;
    value = std::min(value * 10 + (c - '0'), 99999999);
  }
  return value;
}

int Field(const std::vector<std::string_view>& fields, size_t i) { return i < fields.size() ? ToInt(fields[i]) : 0; }

void AppendDigits(std::string& out, int value, int width) {
  int limit = 1;
  for (int i = 0; i < width; ++i) limit *= 10;
  const std::string digits = std::to_string(std::clamp(value, 0, limit - 1));
  out.append(static_cast<size_t>(width) - digits.size(), '0');
  out += digits;
}

std::string Normalized(int l, int t, int r, int b, int wl, int wt, int wr, int wb, int count, int maskType,
                       int imgType, int drawMode, std::string_view fileName) {
  std::string out = "&";
  out.reserve(kFileNamePosition + fileName.size());
  for (const int field : {l, t, r, b, wl, wt, wr, wb}) AppendDigits(out, field, 4);
  AppendDigits(out, count, 1);
  AppendDigits(out, maskType, 1);
  AppendDigits(out, std::min(imgType, 4), 1);
  AppendDigits(out, drawMode, 2);
  out += "000000";
  out += fileName;
  return out;
}

std::string TooShort(int imgType, std::string_view fileName) {
  return Normalized(0, 0, 0, 0, 0, 0, 0, 0, 3, 0, imgType, 1, fileName);
}

std::string FromBorder(std::string_view value) {
  const auto f = SplitFields(value);
  const int l = Field(f, 0), t = Field(f, 1), r = Field(f, 2), b = Field(f, 3);
  int wl = Field(f, 4), wt = Field(f, 5), wr = Field(f, 6), wb = Field(f, 7);
  const int count = Field(f, 8), maskType = Field(f, 9), drawMode = Field(f, 10);
  // A trailing uniform margin fills all four margins when none is written;
  // a zero one asks for margins from the middle of the frame.
  if (f.size() > 11 && wl == 0 && wt == 0 && wr == 0 && wb == 0) {
    const int uniform = Field(f, 11);
    if (uniform != 0) {
      wl = wt = wr = wb = uniform;
    } else {
      const int frameWidth = count > 0 ? (r - l) / count : 0;
      const int rowHeight = (b - t) / (maskType + 1);
      wl = wr = std::max(0, (frameWidth - 1) / 2);
      wt = wb = std::max(0, (rowHeight - 1) / 2);
    }
  }
  return Normalized(l, t, r, b, wl, wt, wr, wb, count, maskType, itisaBorder, drawMode, {});
}

std::string FromFile(std::string_view value) {
  const auto f = SplitFields(value);
  const std::string_view file = f[0];
  const int count = Field(f, 1), maskType = Field(f, 2), imgType = std::min(Field(f, 3), 4);
  const int drawMode = Field(f, 8);
  switch (imgType) {
    case itisaBorder:
      return Normalized(0, 0, 0, 0, Field(f, 4), Field(f, 5), Field(f, 6), Field(f, 7), count, maskType, imgType,
                        drawMode, file);
    case itisaTexture:
      return Normalized(0, 0, 0, 0, 0, 0, 0, 0, count, maskType, imgType, drawMode, file);
    case itisaGlow:
      if (f.size() < 5) return Normalized(0, 0, 0, 0, 0, 0, 0, 0, 1, 0, imgType, 0, file);
      return Normalized(0, 0, 0, 0, Field(f, 4), Field(f, 5), Field(f, 6), Field(f, 7), count, maskType, imgType,
                        drawMode, file);
    default:  // glyphs: the four numbers after the type are a source rectangle
      if (f.size() < 5) return Normalized(0, 0, 0, 0, 0, 0, 0, 0, count, maskType, imgType, drawMode, file);
      return Normalized(Field(f, 4), Field(f, 5), Field(f, 6), Field(f, 7), 0, 0, 0, 0, count, maskType, imgType,
                        drawMode, file);
  }
}

}  // namespace

bool IsElementReference(std::string_view Value) {
  if (Value.empty()) return false;
  const char first = Value.front();
  return first == '!' || first == '&' || first == '@' || first == '^' || first == '~' ||
         Value.find(".JPG") != std::string_view::npos || Value.find(".BMP") != std::string_view::npos;
}

std::string NormalizeElementReference(std::string_view Value) {
  if (Value.empty()) return TooShort(itisaTexture, {});
  const char form = Value.front();
  if (form == '&') return std::string(Value);
  if (Value.size() <= 3) {
    switch (form) {
      case '@': return TooShort(itisaGlyph, {});
      case '^': return TooShort(itisaBorder, {});
      case '~': return TooShort(itisaTexture, {});
      case '!': {
        const auto f = SplitFields(Value);
        return TooShort(std::min(Field(f, 3), 4), f[0]);
      }
      default: return TooShort(itisaTexture, Value);
    }
  }
  switch (form) {
    case '@': {
      const auto f = SplitFields(Value);
      return Normalized(Field(f, 0), Field(f, 1), Field(f, 2), Field(f, 3), 0, 0, 0, 0, Field(f, 4), Field(f, 5),
                        itisaGlyph, 0, {});
    }
    case '^': return FromBorder(Value);
    case '~': {
      const auto f = SplitFields(Value);
      return Normalized(Field(f, 0), Field(f, 1), Field(f, 2), Field(f, 3), 0, 0, 0, 0, 1, Field(f, 5), itisaTexture,
                        Field(f, 4), f.size() > 6 ? f[6] : std::string_view());
    }
    case '!': return FromFile(Value);
    default: return Normalized(0, 0, 0, 0, 0, 0, 0, 0, 1, 0, itisaTexture, 0, Value);
  }
}

TacElementRef ParseNormalizedReference(std::string_view Normalized) {
  const auto number = [&](size_t position, size_t width) {
    return position < Normalized.size() ? ToInt(Normalized.substr(position, width)) : 0;
  };
  TacElementRef ref;
  ref.Left = number(1, 4);
  ref.Top = number(5, 4);
  ref.Right = number(9, 4);
  ref.Bottom = number(13, 4);
  ref.WL = number(17, 4);
  ref.WT = number(21, 4);
  ref.WR = number(25, 4);
  ref.WB = number(29, 4);
  ref.ImageCount = number(33, 1);
  ref.MaskType = number(34, 1);
  ref.ImgType = std::min(number(35, 1), 4);
  ref.DrawMode = number(36, 2);
  if (Normalized.size() > kFileNamePosition) ref.FileName = std::string(Normalized.substr(kFileNamePosition));
  return ref;
}
