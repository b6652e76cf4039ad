#pragma once
#include "framework/GraphicControl.h"

enum class TTextLayout { tlTop, tlCenter, tlBottom };
enum class TEllipsisPosition { epNone, epPathEllipsis, epEndEllipsis, epWordEllipsis };

// Text painted by the parent. With AutoSize the label takes the size of its
// text whenever the text or the font's shape changes after loading; stored
// sizes stand, and a new font colour moves nothing.
class TCustomLabel : public TGraphicControl {
  DECLARE_CLASS_INFO

 public:
  explicit TCustomLabel(TComponent* owner);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment alignment);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout layout);
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool value);
  // Shortens a text too long for a label of fixed size.
  TEllipsisPosition EllipsisPosition() const { return FEllipsisPosition; }
  void SetEllipsisPosition(TEllipsisPosition position);

  void WndProc(TMessage& message) override;
  // A scaled label of its text's size takes the size of its scaled text:
  // scaled line heights do not add up to the scaled height.
  void ChangeScale(int32_t M, int32_t D) override;
  void Loaded() override;

 protected:
  void Paint() override;
  UINT DrawTextFlags() const;
  void AdjustBounds();

 private:
  TAlignment FAlignment = TAlignment::taLeftJustify;
  bool FAutoSize = true;
  bool FWordWrap = false;
  bool FTransparent = false;
  TTextLayout FLayout = TTextLayout::tlTop;
  bool FShowAccelChar = true;
  TEllipsisPosition FEllipsisPosition = TEllipsisPosition::epNone;
  bool FScaledWhileLoading = false;
  // What of the font the present size was measured with.
  struct TFontShape {
    std::string Name;
    int32_t Height = 0;
    TFontStyles Style;
    uint8_t Charset = 0;
    bool operator==(const TFontShape&) const = default;
  };
  TFontShape FMeasuredShape;
  TFontShape CurrentShape();
};

class TLabel : public TCustomLabel {
  DECLARE_CLASS_INFO

 public:
  explicit TLabel(TComponent* owner) : TCustomLabel(owner) {}
};
