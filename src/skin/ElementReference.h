#pragma once
#include <string>
#include <string_view>

enum TacImgType { itisaBorder, itisaTexture, itisaGlyph, itisaGlow, itisaPngGlyph };

// True when an upper-cased options value names an element image.
bool IsElementReference(std::string_view Value);

// Converts an upper-cased element reference of any written form to the
// normalized "&" form. Numbers are read from their fields and written back
// at their fixed widths, so a short or malformed field cannot shift the
// fields after it.
std::string NormalizeElementReference(std::string_view Value);

// The fields of a normalized reference; missing or non-numeric positions read as 0.
struct TacElementRef {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int WL = 0, WT = 0, WR = 0, WB = 0;
  int ImageCount = 0;
  int MaskType = 0;
  int ImgType = itisaBorder;
  int DrawMode = 0;
  std::string FileName;  // empty when the element lies in the master bitmap
};
TacElementRef ParseNormalizedReference(std::string_view Normalized);
