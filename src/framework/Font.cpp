#include "framework/Font.h"

#include "base/StrUtils.h"

const TClassInfo& TFont::StaticClassInfo() {
  static const TClassInfo info("TFont", &TPersistent::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    c.String<TFont>("Name", &TFont::SetName);
    c.Integer<TFont>("Height", &TFont::SetHeight);
    c.Integer<TFont>("Size", &TFont::SetSize);
    c.Color<TFont>("Color", &TFont::SetColor);
    c.Set<TFont, TFontStyle>("Style", &TFont::SetStyle,
                             {{"fsBold", TFontStyle::fsBold},
                              {"fsItalic", TFontStyle::fsItalic},
                              {"fsUnderline", TFontStyle::fsUnderline},
                              {"fsStrikeOut", TFontStyle::fsStrikeOut}});
    c.Add("Charset", {.Assign = [](TPersistent& target, const TStoredValue& value, TComponent&) {
                        static const TIdentTable<int32_t> charsets{
                            {"ANSI_CHARSET", ANSI_CHARSET},       {"DEFAULT_CHARSET", DEFAULT_CHARSET},
                            {"SYMBOL_CHARSET", SYMBOL_CHARSET},   {"RUSSIAN_CHARSET", RUSSIAN_CHARSET},
                            {"EASTEUROPE_CHARSET", EASTEUROPE_CHARSET}, {"OEM_CHARSET", OEM_CHARSET}};
                        dynamic_cast<TFont&>(target).SetCharset(
                            value.Kind == TValueKind::vkInteger ? StoredInteger(value) : StoredIdent(value, charsets));
                      },
                      .Object = nullptr});
  });
  return info;
}

void TFont::Assign(const TFont& source) {
  if (&source == this) return;
  FName = source.FName;
  FHeight = source.FHeight;
  FPixelsPerInch = source.FPixelsPerInch;
  FColor = source.FColor;
  FStyle = source.FStyle;
  FCharset = source.FCharset;
  Changed();
}

void TFont::SetName(const std::string& name) {
  if (name == FName || name.empty()) return;
  FName = name;
  Changed();
}

void TFont::SetHeight(int32_t height) {
  if (height == FHeight) return;
  FHeight = height;
  Changed();
}

int32_t TFont::Size() const { return -MulDivRounded(FHeight, 72, FPixelsPerInch); }

void TFont::SetSize(int32_t size) { SetHeight(-MulDivRounded(size, FPixelsPerInch, 72)); }

void TFont::SetColor(TColor color) {
  if (color == FColor) return;
  FColor = color;
  Changed();
}

void TFont::SetStyle(TFontStyles style) {
  if (style == FStyle) return;
  FStyle = style;
  Changed();
}

void TFont::SetCharset(int32_t charset) {
  if (charset < 0 || charset > 255) throw EPropertyValue("Charset out of range");
  if (charset == FCharset) return;
  FCharset = static_cast<uint8_t>(charset);
  Changed();
}

HFONT TFont::Handle() {
  if (!FHandle) {
    LOGFONTW lf{};
    lf.lfHeight = FHeight;
    lf.lfWeight = FStyle.Contains(TFontStyle::fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = FStyle.Contains(TFontStyle::fsItalic);
    lf.lfUnderline = FStyle.Contains(TFontStyle::fsUnderline);
    lf.lfStrikeOut = FStyle.Contains(TFontStyle::fsStrikeOut);
    lf.lfCharSet = FCharset;
    lf.lfQuality = DEFAULT_QUALITY;
    const std::wstring face = Utf8ToWide(FName).substr(0, LF_FACESIZE - 1);
    face.copy(lf.lfFaceName, face.size());
    FHandle.Reset(CreateFontIndirectW(&lf));
  }
  return FHandle.Get();
}

void TFont::Changed() {
  FHandle.Reset();
  if (OnChange) OnChange();
}
