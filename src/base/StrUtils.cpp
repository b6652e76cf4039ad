#include "base/StrUtils.h"

#include <charconv>
#include <cstdlib>
#include <limits>

namespace {
char UpChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
}  // namespace

std::string UpperCase(std::string_view s) {
  std::string result(s);
  for (char& c : result) c = UpChar(c);
  return result;
}

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (UpChar(a[i]) != UpChar(b[i])) return false;
  return true;
}

bool StartsText(std::string_view prefix, std::string_view s) {
  return s.size() >= prefix.size() && SameText(prefix, s.substr(0, prefix.size()));
}

bool EndsText(std::string_view suffix, std::string_view s) {
  return s.size() >= suffix.size() && SameText(suffix, s.substr(s.size() - suffix.size()));
}

std::string_view TrimLeft(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && IsBlank(s[i])) ++i;
  return s.substr(i);
}

std::string_view TrimRight(std::string_view s) {
  size_t n = s.size();
  while (n > 0 && IsBlank(s[n - 1])) --n;
  return s.substr(0, n);
}

std::string_view Trim(std::string_view s) { return TrimRight(TrimLeft(s)); }

namespace {
// An optional sign, then decimal digits, or hexadecimal ones after "$" or
// "0x"/"0X"; false when anything else is there or the digits exceed 64 bits.
bool ParseInteger(std::string_view s, bool& negative, uint64_t& magnitude, bool& hex) {
  negative = false;
  if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
    negative = s[0] == '-';
    s.remove_prefix(1);
  }
  hex = false;
  if (!s.empty() && s[0] == '$') {
    hex = true;
    s.remove_prefix(1);
  } else if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    hex = true;
    s.remove_prefix(2);
  }
  if (s.empty()) return false;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), magnitude, hex ? 16 : 10);
  return ec == std::errc() && end == s.data() + s.size();
}
}  // namespace

bool TryStrToInt(std::string_view s, int32_t& value) {
  bool negative = false, hex = false;
  uint64_t magnitude = 0;
  if (!ParseInteger(s, negative, magnitude, hex)) return false;
  if (hex) {
    if (magnitude > 0xFFFFFFFFull) return false;
    const auto bits = static_cast<uint32_t>(magnitude);
    value = static_cast<int32_t>(negative ? 0u - bits : bits);
    return true;
  }
  const uint64_t limit = negative ? 0x80000000ull : 0x7FFFFFFFull;
  if (magnitude > limit) return false;
  value = negative ? static_cast<int32_t>(-static_cast<int64_t>(magnitude)) : static_cast<int32_t>(magnitude);
  return true;
}

bool TryStrToInt64(std::string_view s, int64_t& value) {
  bool negative = false, hex = false;
  uint64_t magnitude = 0;
  if (!ParseInteger(s, negative, magnitude, hex)) return false;
  if (!hex && magnitude > (negative ? 0x8000000000000000ull : 0x7FFFFFFFFFFFFFFFull)) return false;
  value = static_cast<int64_t>(negative ? 0 - magnitude : magnitude);
  return true;
}

int32_t StrToIntDef(std::string_view s, int32_t def) {
  int32_t v = 0;
  return TryStrToInt(s, v) ? v : def;
}

bool TryStrToFloat(std::string_view s, double& value) {
  if (!s.empty() && s[0] == '+') s.remove_prefix(1);
  if (s.empty()) return false;
  double v = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::general);
  if (ec != std::errc() || end != s.data() + s.size()) return false;
  value = v;
  return true;
}

namespace {
void AppendUtf8(std::string& out, uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}
}  // namespace

std::string TextOfBytes(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return std::string(bytes.substr(3));
  const bool little = bytes.starts_with("\xFF\xFE"), big = bytes.starts_with("\xFE\xFF");
  if (!little && !big) return std::string(bytes);
  constexpr uint32_t kReplacement = 0xFFFD;
  const auto unit = [&](size_t i) {
    const auto lo = static_cast<uint8_t>(bytes[little ? i : i + 1]), hi = static_cast<uint8_t>(bytes[little ? i + 1 : i]);
    return static_cast<uint32_t>(lo | hi << 8);
  };
  std::string out;
  out.reserve(bytes.size() / 2);
  for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
    const uint32_t u = unit(i);
    if (u >= 0xD800 && u < 0xDC00 && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 && unit(i + 2) < 0xE000) {
      AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (unit(i + 2) - 0xDC00));
      i += 2;
    } else {
      AppendUtf8(out, u >= 0xD800 && u < 0xE000 ? kReplacement : u);
    }
  }
  return out;
}

int32_t MulDivRounded(int32_t a, int32_t b, int32_t c) {
  if (c == 0) return -1;
  const int64_t product = static_cast<int64_t>(a) * b;
  int64_t q = product / c;
  const int64_t r = product % c;
  // Round half away from zero, like the system's MulDiv.
  if (2 * std::llabs(r) >= std::llabs(static_cast<int64_t>(c))) q += ((product < 0) != (c < 0)) ? -1 : 1;
  if (q > std::numeric_limits<int32_t>::max() || q < std::numeric_limits<int32_t>::min()) return -1;
  return static_cast<int32_t>(q);
}
