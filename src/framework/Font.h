#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "base/WinHandles.h"
#include "framework/Classes.h"
#include "framework/Colors.h"

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

// A font description and the GDI font made from it on demand.
class TFont : public TPersistent {
  DECLARE_CLASS_INFO

 public:
  TFont() = default;
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;

  void Assign(const TFont& source);

  const std::string& Name() const { return FName; }
  void SetName(const std::string& name);
  // Negative: character height in pixels; positive: cell height.
  int32_t Height() const { return FHeight; }
  void SetHeight(int32_t height);
  // Points at PixelsPerInch.
  int32_t Size() const;
  void SetSize(int32_t size);
  int32_t PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int32_t ppi) { FPixelsPerInch = ppi > 0 ? ppi : 96; }
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles style);
  uint8_t Charset() const { return FCharset; }
  void SetCharset(int32_t charset);

  HFONT Handle();
  std::function<void()> OnChange;

 private:
  void Changed();

  std::string FName = "Tahoma";
  int32_t FHeight = -11;
  int32_t FPixelsPerInch = 96;
  TColor FColor = clWindowText;
  TFontStyles FStyle;
  uint8_t FCharset = DEFAULT_CHARSET;
  TacScopedFont FHandle;
};
