// Captions in the colours of a skin section.
#include <algorithm>
#include <array>

#include "base/WinHandles.h"
#include "core/CommonData.h"
#include "core/ParentBackground.h"
#include "core/SkinText.h"
#include "framework/Canvas.h"
#include "framework/WinControl.h"
#include "graphics/DisabledLook.h"
#include "graphics/PixelFill.h"
#include "graphics/WorkBitmapDib.h"
#include "manager/SkinManager.h"
#include "skin/SkinData.h"

namespace {

// The outline copies one pixel left, up, right and down, in that order.
struct OutlineCopy {
  TColor TsFontColor::*Side;
  int32_t Dx, Dy;
};
constexpr std::array<OutlineCopy, 4> kOutlineCopies{{{&TsFontColor::Left, -1, 0},
                                                     {&TsFontColor::Top, 0, -1},
                                                     {&TsFontColor::Right, 1, 0},
                                                     {&TsFontColor::Bottom, 0, 1}}};

TRect Moved(const TRect& R, int32_t Dx, int32_t Dy) { return {R.Left + Dx, R.Top + Dy, R.Right + Dx, R.Bottom + Dy}; }

void DrawIn(HDC DC, TColor Color, std::string_view Text, TRect Rect, TacWorkBitmap* Bitmap, UINT Flags) {
  SetTextColor(DC, static_cast<COLORREF>(ColorToRGB(Color) & 0xFFFFFF));
  DrawSkinText(DC, Text, Rect, Bitmap, Flags);
}

// Outline copies (those not -1), then the text; Tone adjusts every colour.
template <class Tone>
void DrawOutlinedText(HDC DC, const TsFontColor& Colors, std::string_view Text, const TRect& Rect,
                      TacWorkBitmap* Bitmap, UINT Flags, Tone tone) {
  for (const OutlineCopy& copy : kOutlineCopies) {
    const TColor side = Colors.*copy.Side;
    if (side != -1) DrawIn(DC, tone(side), Text, Moved(Rect, copy.Dx, copy.Dy), Bitmap, Flags);
  }
  DrawIn(DC, tone(Colors.Color), Text, Rect, Bitmap, Flags);
}

// The slots whose captions take their colours from the section under them
// when they are too transparent for text.
bool TakesTextSourceFromBelow(const TacSkinData& Skin, int32_t SkinIndex) {
  static constexpr TacSection kSlots[] = {ssMenuItem, ssCheckBox,  ssSpeedButton, ssSpeedButton_Small,
                                          ssToolButton, ssTransparent, ssGroupBox, ssDivider,
                                          ssWebButton, ssButton,    ssTBBtn};
  return std::any_of(std::begin(kSlots), std::end(kSlots),
                     [&](TacSection slot) { return Skin.Sections[slot] == SkinIndex; });
}

void DrawPlain(TCanvas& Canvas, std::string_view Text, bool Enabled, TRect Rect, UINT Flags) {
  const HDC dc = Canvas.Handle();
  if (Enabled) return DrawIn(dc, Canvas.Font().Color(), Text, Rect, nullptr, Flags);
  DrawIn(dc, clBtnHighlight, Text, Moved(Rect, 1, 1), nullptr, Flags);
  DrawIn(dc, clBtnShadow, Text, Rect, nullptr, Flags);
}

}  // namespace

void WriteControlText(TCanvas& Canvas, std::string_view Text, bool Enabled, bool UseGlow, int32_t State,
                      TsCommonData& CommonData, UINT Flags, TRect Rect) {
  const HDC dc = Canvas.Handle();
  if (Text.empty() || !dc) return;
  TacSkinData* skin = CommonData.Skinned() ? CommonData.GetCommonSkinData() : nullptr;
  const TFontStyles savedStyle = Canvas.Font().Style();
  if (skin && State != 0 && skin->IsValidSkinIndex(CommonData.SkinIndex) &&
      CommonData.SkinIndex == skin->Sections[ssWebButton]) {
    TFontStyles underlined = savedStyle;
    underlined.Include(TFontStyle::fsUnderline);
    Canvas.Font().SetStyle(underlined);
  }
  {
    Canvas.Brush.Style = TBrushStyle::bsClear;
    const TacSavedDC saved(dc);
    const TacSelectedObject font(dc, Canvas.Font().Handle());
    SetBkMode(dc, TRANSPARENT);
    TacWorkBitmap* cache = CommonData.FCacheBmp.get();
    TacWorkBitmap* target = (Flags & acAlphaTextFlag) ? cache : nullptr;
    if (!skin || CommonData.FCustomFont) {
      DrawPlain(Canvas, Text, Enabled, Rect, Flags);
    } else {
      // Which section's colours: the control's own, or for the transparent kinds
      // the first section under it that is opaque enough for text.
      TacSkinData* source = skin;
      int32_t index = CommonData.SkinIndex;
      TControl* owner = CommonData.FOwnerControl;
      if (owner && owner->Parent() && TakesTextSourceFromBelow(*skin, index)) {
        TacTextSourceQuery query;
        query.State = State;
        query.SkinIndex = index;
        query.Right = owner->Width();
        query.Bottom = owner->Height();
        const LRESULT answer = CommonData.FindTextSource(query);
        if (answer == 0) {
          index = -1;
        } else if (answer != -1 && query.SkinIndex >= 0) {
          index = query.SkinIndex;
          if (query.Manager && query.Manager != CommonData.GetSkinManager())
            source = &query.Manager->CommonSkinData(CommonData.CurrentPPI);
        }
      }
      if (!source->IsValidSkinIndex(index)) {
        Canvas.Font().SetColor(owner && owner->Parent() ? owner->Parent()->Font().Color() : Canvas.Font().Color());
        DrawPlain(Canvas, Text, Enabled, Rect, Flags);
      } else {
        const TsGeneralData& section = source->gd[static_cast<size_t>(index)];
        const TsGenState& props = section.Props[static_cast<size_t>(PropsState(section, State))];
        const auto tone = [&CommonData](TColor c) { return ToneColor(c, CommonData); };
        if (UseGlow && cache && !cache->Empty() && props.GlowSize != 0)
          DrawTextGlow(*cache, Canvas.Font().Handle(), Text, Rect, nullptr, tone(props.GlowColor), props.GlowSize,
                       tgAllSides, Flags);
        if (!Enabled) {
          const TsSkinManager* manager = CommonData.GetSkinManager();
          const TColor main = manager ? manager->GetGlobalColor() : ColorToRGB(clBtnFace);
          DrawIn(dc, tone(MixColors(props.FontColor.Color, main, DisabledLookSettings().BlendValue)), Text, Rect, target,
                 Flags);
        } else {
          DrawOutlinedText(dc, props.FontColor, Text, Rect, target, Flags, tone);
        }
      }
    }
  }
  Canvas.Font().SetStyle(savedStyle);
}

void WriteSectionText(TCanvas& Canvas, std::string_view Text, bool Enabled, TsSkinManager* SkinManager, int32_t State,
                      int32_t SkinIndex, UINT Flags, TRect Rect) {
  const HDC dc = Canvas.Handle();
  if (Text.empty() || !dc) return;
  const TacSavedDC saved(dc);
  const TacSelectedObject font(dc, Canvas.Font().Handle());
  SetBkMode(dc, TRANSPARENT);
  TsSkinManager* manager = SkinManager ? SkinManager : DefaultManager();
  const TacSkinData* skin = manager ? &manager->CommonSkinData() : nullptr;
  if (!skin || !skin->IsValidSkinIndex(SkinIndex)) {
    DrawIn(dc, Enabled || !manager ? Canvas.Font().Color() : clGrayText, Text, Rect, nullptr, Flags);
    return;
  }
  const TsGeneralData& section = skin->gd[static_cast<size_t>(SkinIndex)];
  if (!Enabled) {
    const TsGenState& normal = section.Props[0];
    DrawIn(dc, MixColors(normal.FontColor.Color, normal.Color, DisabledLookSettings().BlendValue), Text, Rect, nullptr,
           Flags);
    return;
  }
  const TsGenState& props = section.Props[static_cast<size_t>(PropsState(section, State))];
  DrawOutlinedText(dc, props.FontColor, Text, Rect, nullptr, Flags, [](TColor c) { return c; });
}

void WriteSectionTextAlpha(TacWorkBitmap& Bitmap, HFONT Font, std::string_view Text, bool AlphaMode,
                           TsSkinManager* SkinManager, int32_t State, int32_t SkinIndex, UINT Flags,
                           const TRect& Rect) {
  if (Text.empty() || Rect.IsEmpty()) return;
  TsSkinManager* manager = SkinManager ? SkinManager : DefaultManager();
  const TacSkinData* skin = manager ? &manager->CommonSkinData() : nullptr;
  if (!skin || !skin->IsValidSkinIndex(SkinIndex)) {
    const HDC dc = WorkBitmapDC(Bitmap);
    const TColor color = dc ? static_cast<TColor>(GetTextColor(dc)) : clBlack;
    DrawTextOnAlphaBitmap(Bitmap, Font, Text, AlphaMode, color, Flags, Rect);
    return;
  }
  const TsGeneralData& section = skin->gd[static_cast<size_t>(SkinIndex)];
  const TsFontColor& colors = section.Props[static_cast<size_t>(PropsState(section, State))].FontColor;
  if (AlphaMode)
    for (const OutlineCopy& copy : kOutlineCopies) {
      const TColor side = colors.*copy.Side;
      if (side != -1) DrawTextOnAlphaBitmap(Bitmap, Font, Text, true, side, Flags, Moved(Rect, copy.Dx, copy.Dy));
    }
  DrawTextOnAlphaBitmap(Bitmap, Font, Text, AlphaMode, colors.Color, Flags, Rect);
}
