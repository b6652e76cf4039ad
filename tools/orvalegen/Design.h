#pragma once
#include <string>
#include <string_view>

#include "Raster.h"
#include "base/IniFile.h"

// The designer's parameters of the skin (colours, radii, shadow strengths),
// read from an INI file so that a look can be changed without touching code.
// Every value the generator asks for must be present: a missing or malformed
// one stops generation with a message naming it.
class Design {
 public:
  explicit Design(std::string_view iniText);
  static Design FromFile(const std::string& path);

  // "#RRGGBB" or "#RRGGBBAA".
  Colour Col(std::string_view section, std::string_view key) const;
  float Num(std::string_view section, std::string_view key) const;
  // The value as Options.dat writes it: a colour as its skin colour value, a
  // whole number as itself.
  std::string OptionValue(std::string_view section, std::string_view key) const;

 private:
  std::string Raw(std::string_view section, std::string_view key) const;
  TMemIniFile FIni{true};
};

// The skin's colour value for a colour: the decimal of 0x00BBGGRR, as Options.dat writes them.
std::string SkinColourValue(Colour c);
