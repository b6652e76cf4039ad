#include "Design.h"

#include <cmath>

#include "base/Exception.h"
#include "base/FileUtils.h"
#include "base/StrUtils.h"

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

Design::Design(std::string_view iniText) { FIni.SetText(iniText); }

Design Design::FromFile(const std::string& path) {
  const std::vector<uint8_t> bytes = ReadFileBytes(path);
  return Design(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::string Design::Raw(std::string_view section, std::string_view key) const {
  if (!FIni.ValueExists(section, key))
    throw Exception("Design value [" + std::string(section) + "] " + std::string(key) + " is missing");
  return FIni.ReadString(section, key, "");
}

Colour Design::Col(std::string_view section, std::string_view key) const {
  const std::string text = Raw(section, key);
  const bool wellFormed = (text.size() == 7 || text.size() == 9) && text[0] == '#';
  uint32_t value = 0;
  for (size_t i = 1; wellFormed && i < text.size(); ++i) {
    const int digit = HexDigit(text[i]);
    if (digit < 0) break;
    value = value << 4 | static_cast<uint32_t>(digit);
    if (i + 1 == text.size()) {
      if (text.size() == 7) return RgbColour(value);
      return RgbColour(value >> 8, static_cast<float>(value & 0xFF) / 255.0f);
    }
  }
  throw Exception("Design value [" + std::string(section) + "] " + std::string(key) + " is not a colour: " + text);
}

float Design::Num(std::string_view section, std::string_view key) const {
  const std::string text = Raw(section, key);
  double value = 0;
  if (!TryStrToFloat(text, value))
    throw Exception("Design value [" + std::string(section) + "] " + std::string(key) + " is not a number: " + text);
  return static_cast<float>(value);
}

std::string Design::OptionValue(std::string_view section, std::string_view key) const {
  if (Raw(section, key).starts_with('#')) return SkinColourValue(Col(section, key));
  const float value = Num(section, key);
  if (value != std::floor(value))
    throw Exception("Design value [" + std::string(section) + "] " + std::string(key) + " must be a whole number");
  return std::to_string(static_cast<long>(value));
}

std::string SkinColourValue(Colour c) {
  auto byte = [](float v) { return static_cast<uint32_t>(std::lround(std::fmin(std::fmax(v, 0.0f), 1.0f) * 255.0f)); };
  return std::to_string(byte(c.B) << 16 | byte(c.G) << 8 | byte(c.R));
}
