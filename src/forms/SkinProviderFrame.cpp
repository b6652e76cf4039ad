// The frame bitmap of a skinned form: its metrics, the title layout, and
// painting borders, title, icon, caption and title buttons into it.
#include <algorithm>

#include "base/StrUtils.h"
#include "base/WinHandles.h"
#include "core/OuterEffects.h"
#include "core/SkinText.h"
#include "forms/SkinProvider.h"
#include "graphics/BitmapCopy.h"
#include "graphics/BlockCopy.h"
#include "graphics/PixelFill.h"
#include "graphics/WorkBitmapDib.h"
#include "manager/SkinManager.h"
#include "paint/FrameImageCopy.h"
#include "paint/SkinPaint.h"
#include "skin/SkinData.h"

namespace {

constexpr int32_t kMissingGlyphSize = 21;

}  // namespace

// The frame is drawn at the form's own resolution.
TacSkinData* TsSkinProvider::FrameSkin() {
  if (!FCommonData || !Skinned() || !Form) return nullptr;
  return &SkinManager()->CommonSkinData(Form->PixelsPerInch());
}

bool TsSkinProvider::BorderWindowLayout() {
  TsSkinManager* manager = SkinManager();
  if (!manager || !manager->ExtendedBorders() || !FAllowExtBorders || !NonClientPainted() || !Form ||
      Form->BorderStyle() == TFormBorderStyle::bsNone || Form->Parent() || !Form->HandleAllocated())
    return false;
  return !IsZoomed(Form->Handle()) || !manager->Options().NativeBordersMaximized;
}

TPoint TsSkinProvider::BorderWindowOffset() {
  const TRect s = ShadowSize();
  const int32_t b = BorderWidth(), f = SystemFrameWidth(), c = SystemCaptionHeight(), h = CaptionHeight();
  if (MaximisedTitleTaller()) return {b + s.Left - f, s.Top + (h - c - f) + 4};
  return {b + s.Left - f, s.Top + h - f - c};
}

// A maximised window whose skin title is more than 4 pixels taller than the
// system's caption is placed lower, so that the taller title still fits.
bool TsSkinProvider::MaximisedTitleTaller() {
  const TacSkinData* skin = FrameSkin();
  return skin && Form && Form->HandleAllocated() && IsZoomed(Form->Handle()) && BorderWindowLayout() && HasCaption() &&
         skin->ExMaxHeight - SystemCaptionHeight() > 4;
}

bool TsSkinProvider::HasCaption() const {
  return Form && Form->HandleAllocated() && (GetWindowLongPtrW(Form->Handle(), GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
}

int32_t TsSkinProvider::SystemFrameWidth() const {
  if (!Form) return 0;
  switch (Form->BorderStyle()) {
    case TFormBorderStyle::bsNone:
      return 0;
    case TFormBorderStyle::bsSizeable:
    case TFormBorderStyle::bsSizeToolWin:
      return GetSystemMetrics(SM_CXSIZEFRAME) + GetSystemMetrics(SM_CXPADDEDBORDER);
    default:
      return GetSystemMetrics(SM_CXFIXEDFRAME);
  }
}

int32_t TsSkinProvider::SystemCaptionHeight() const {
  if (!HasCaption()) return 0;
  const bool tool = Form->BorderStyle() == TFormBorderStyle::bsToolWindow ||
                    Form->BorderStyle() == TFormBorderStyle::bsSizeToolWin;
  return GetSystemMetrics(tool ? SM_CYSMCAPTION : SM_CYCAPTION);
}

TRect TsSkinProvider::ShadowSize() {
  const TacSkinData* skin = FrameSkin();
  return skin && BorderWindowLayout() ? skin->FormShadowSize : TRect{};
}

int32_t TsSkinProvider::BorderWidth() {
  const TacSkinData* skin = FrameSkin();
  return skin && BorderWindowLayout() ? skin->ExBorderWidth : SystemFrameWidth();
}

int32_t TsSkinProvider::CaptionHeight() {
  if (!HasCaption()) return 0;
  const TacSkinData* skin = FrameSkin();
  if (!skin || !BorderWindowLayout()) return SystemCaptionHeight();
  return IsZoomed(Form->Handle()) ? skin->ExMaxHeight : skin->ExTitleHeight;
}

TSize TsSkinProvider::FrameBitmapSize() {
  if (!Form || !Form->HandleAllocated()) return {0, 0};
  RECT window{};
  GetWindowRect(Form->Handle(), &window);
  const int32_t w = window.right - window.left, h = window.bottom - window.top;
  if (!BorderWindowLayout()) return {w, h};
  const TRect s = ShadowSize();
  const int32_t b = BorderWidth(), f = SystemFrameWidth(), c = SystemCaptionHeight(), title = CaptionHeight();
  return {w + 2 * (b - f) + s.Left + s.Right, h + (title - c - f) + (b - f) + s.Top + s.Bottom};
}

int32_t TsSkinProvider::OffsetX() {
  if (!Form || !Form->HandleAllocated()) return 0;
  if (BorderWindowLayout()) return BorderWidth() + ShadowSize().Left;
  return Form->ClientRectInWindow().left;
}

int32_t TsSkinProvider::OffsetY() {
  if (!Form || !Form->HandleAllocated()) return 0;
  if (BorderWindowLayout()) return CaptionHeight() + ShadowSize().Top;
  return Form->ClientRectInWindow().top;
}

int32_t TsSkinProvider::HeaderHeight() {
  if (BorderWindowLayout()) return CaptionHeight();
  return Form && Form->HandleAllocated() ? Form->ClientRectInWindow().top : 0;
}

// Where everything of the title goes: icon, title buttons right to left, caption.
void TsSkinProvider::LayoutTitle() {
  const TacSkinData& skin = *FrameSkin();
  const bool border = BorderWindowLayout();
  const TRect s = ShadowSize();
  const int32_t b = BorderWidth(), h = CaptionHeight(), width = FCommonData->FCacheBmp->Width();
  const bool zoomed = IsZoomed(Form->Handle()) != FALSE;
  FHeaderHeight = h + s.Top;
  if (border) {
    VCenter = FHeaderHeight - h / 2 + (!zoomed || skin.ExMaxHeight == skin.ExTitleHeight ? skin.ExCenterOffs : 0);
  } else {
    VCenter = SystemCaptionHeight() / 2 + SystemFrameWidth() / 2;
  }
  if (zoomed) VCenter += 2;
  const int32_t contentTop = border ? s.Top + (zoomed ? 4 : skin.BITopMargin) : (zoomed ? 6 : 0);
  const int32_t left = b + s.Left + (border ? skin.BILeftMargin : 0);
  int32_t right = width - std::max(b, 4) - (border ? s.Right + skin.BIRightMargin : 0);

  const bool systemMenu = Form->BorderIcons().Contains(TBorderIcon::biSystemMenu);
  const TFormBorderStyle style = Form->BorderStyle();
  FIconRect = {};
  if (FTitleIcon.Visible() && FShowAppIcon && systemMenu &&
      (style == TFormBorderStyle::bsSingle || style == TFormBorderStyle::bsSizeable) && h > 0) {
    int32_t w = FTitleIcon.Width(), ih = FTitleIcon.Height();
    if (w <= 0 || ih <= 0) {
      // The title's room at 100 %: the icon grows with the title, not twice.
      const int32_t room = MulDiv(h - skin.BITopMargin, 96, std::max(skin.PPI, 1));
      const int32_t standard = room < 48 ? 16 : room <= 64 ? 24 : 32;
      w = ih = skin.ScaleIntValue(standard);
    }
    const int32_t x = left + (border ? skin.Spacing : 0);
    FIconRect = {x, VCenter - ih / 2, x + w, VCenter - ih / 2 + ih};
  }

  const auto glyphSize = [&skin](TacTitleGlyph glyph, int32_t& w, int32_t& gh) {
    const int32_t index = skin.TitleGlyphs[static_cast<size_t>(glyph)];
    w = skin.IsValidImgIndex(index) ? skin.ma[static_cast<size_t>(index)].Width : kMissingGlyphSize;
    const int32_t close = skin.TitleGlyphs[tgClose];
    gh = skin.IsValidImgIndex(close) ? skin.ma[static_cast<size_t>(close)].Height : kMissingGlyphSize;
  };
  const int32_t alignedTop = contentTop;
  const auto place = [&](TsCaptionButton& button, TacTitleGlyph glyph, bool visible, int32_t gapBefore) {
    if (!visible) {
      button.cpState = -1;
      button.cpRect = TRect{};
      return;
    }
    right -= gapBefore;
    int32_t w = 0, gh = 0;
    glyphSize(glyph, w, gh);
    const bool aligned = FManagerAlignsButtons && (button.cpHaveAlignment || button.cpGlyphType == tgUser);
    const int32_t top = aligned ? alignedTop : VCenter - gh / 2;
    button.cpRect = {right - w, top, right, top + gh};
    if (button.cpState < 0) button.cpState = 0;
    right -= w + (BigButtons ? skin.BISpacing : 0);
  };
  const LONG_PTR windowStyle = GetWindowLongPtrW(Form->Handle(), GWL_STYLE);
  const bool buttons = systemMenu && h > 0;
  place(ButtonClose, ButtonClose.cpGlyphType, buttons, 0);
  place(ButtonMax, zoomed ? (BigButtons ? tgNormal : tgSmallNormal) : ButtonMax.cpGlyphType,
        buttons && Form->BorderIcons().Contains(TBorderIcon::biMaximize) && (windowStyle & WS_MAXIMIZEBOX), 0);
  place(ButtonMin, ButtonMin.cpGlyphType,
        buttons && Form->BorderIcons().Contains(TBorderIcon::biMinimize) && (windowStyle & WS_MINIMIZEBOX), 0);
  place(ButtonHelp, ButtonHelp.cpGlyphType, buttons && Form->BorderIcons().Contains(TBorderIcon::biHelp),
        skin.Spacing);
  int32_t userGap = skin.Spacing;
  for (size_t i = 0; i < FTitleButtons.Count(); ++i) {
    TsTitleButton& button = FTitleButtons.Button(i);
    button.Data.cpHitCode = static_cast<uint32_t>(1000 + i);
    place(button.Data, button.Data.cpGlyphType, button.Visible() && h > 0, userGap);
    if (button.Visible()) userGap = 0;
  }
  FButtonsLeft = right;

  const int32_t textLeft = FIconRect.IsEmpty() ? left + (FCaptionSkinIndex >= 0 ? 2 : 0) : FIconRect.Right + skin.Spacing;
  FCaptionRect = {textLeft, 0, right - skin.Spacing, 0};
  if (FCaptionAlignment == TAlignment::taCenter) FCaptionRect = {b + s.Left, 0, width - s.Right, 0};
}

bool TsSkinProvider::PaintAll() {
  TacSkinData* skin = FrameSkin();
  if (!skin || !Form || !Form->HandleAllocated() || !FCommonData->Section()) return false;
  TacWorkBitmap& image = *FCommonData->FCacheBmp;
  const TSize size = FrameBitmapSize();
  image.EnsureSize(size.cx, size.cy);
  if (image.Empty()) return false;
  image.Fill(0);
  FManagerAlignsButtons = SkinManager()->SkinCommonInfo().BIVAlign == 1;
  const TsGeneralData& section = *FCommonData->Section();
  const int32_t state = std::min(FormActive, std::max(section.States - 1, 0));
  const bool border = BorderWindowLayout();
  const TRect s = ShadowSize();
  LayoutTitle();

  const TRect formRect{s.Left, s.Top, image.Width() - s.Right, image.Height() - s.Bottom};
  PaintSection(FCommonData->SkinIndex, TacParentBG{}, skin, &image, {0, 0}, formRect, state);
  const bool wholeFromImage = border && skin->ExDrawMode == 1 && skin->IsValidImgIndex(skin->ExBorder) &&
                              SkinManager()->ExtBordersMode() == ebmFull;
  if (!wholeFromImage) PaintTitle(true);
  if (border) PaintFrameBorder(wholeFromImage);
  if (!FDrawClientArea) {
    const TRect client{OffsetX(), OffsetY(), OffsetX() + Form->ClientWidth(), OffsetY() + Form->ClientHeight()};
    FillPixels(image, client, ColorToRGB(clBtnFace), 255);
  }
  PaintCaption();
  PaintGrip();
  if (CaptionHeight() > 0 && NonClientPainted()) {
    // What lies under the title buttons, for repainting one of them alone.
    const int32_t top = 0, bottom = std::min(image.Height(), s.Top + CaptionHeight() + SystemFrameWidth());
    FTempRect = {std::max(0, FButtonsLeft - 10), top, image.Width() - 1, bottom};
    TempBmp.SetSize(FTempRect.Width(), FTempRect.Height());
    CopyPixels(TempBmp, {0, 0}, image, FTempRect);
    PaintTitleButtons();
  }
  MenuChanged = false;
  FCommonData->BGChanged = false;
  ++FFrameVersion;
  PaintOuterEffects(Form, {OffsetX(), OffsetY()});
  return true;
}

// The title section, and the icon over it.
void TsSkinProvider::PaintTitle(bool WithSection) {
  TacSkinData& skin = *FrameSkin();
  TacWorkBitmap& image = *FCommonData->FCacheBmp;
  const int32_t h = CaptionHeight();
  if (h <= 0) return;
  const TRect s = ShadowSize();
  const int32_t down = BorderWindowLayout() ? 0 : SystemFrameWidth();
  if (WithSection && skin.IsValidSkinIndex(FTitleSkinIndex)) {
    const TsGeneralData& title = skin.gd[static_cast<size_t>(FTitleSkinIndex)];
    const int32_t state = std::min(FormActive, std::max(title.States - 1, 0));
    PaintSection(FTitleSkinIndex, TacParentBG{}, &skin, &image, {0, 0},
                 {s.Left, s.Top + down, image.Width() - s.Right, s.Top + down + h}, state);
  }
  PaintIcon();
}

void TsSkinProvider::PaintIcon() {
  if (FIconRect.IsEmpty()) return;
  TacWorkBitmap& image = *FCommonData->FCacheBmp;
  const TRect r = FIconRect;
  // A title lower than the icon leaves part of it outside the bitmap.
  const TRect inside{std::max(r.Left, 0), std::max(r.Top, 0), std::min(r.Right, image.Width()),
                     std::min(r.Bottom, image.Height())};
  if (inside.IsEmpty()) return;
  TacWorkBitmap saved(r.Width(), r.Height());
  CopyPixels(saved, {inside.Left - r.Left, inside.Top - r.Top}, image, inside);
  HICON icon = reinterpret_cast<HICON>(SendMessageW(Form->Handle(), WM_GETICON, r.Height() > 16 ? ICON_BIG : ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(Form->Handle(), r.Height() > 16 ? GCLP_HICON : GCLP_HICONSM));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(Form->Handle(), GCLP_HICON));
  if (!icon) icon = LoadIconW(nullptr, IDI_APPLICATION);
  GdiFlush();
  DrawIconEx(WorkBitmapDC(image), r.Left, r.Top, icon, r.Width(), r.Height(), 0, nullptr, DI_NORMAL);
  GdiFlush();
  // GDI draws without alpha: whatever the icon changed becomes opaque.
  for (int32_t y = inside.Top; y < inside.Bottom; ++y)
    for (int32_t x = inside.Left; x < inside.Right; ++x) {
      const TacPixel now = image.Pixel(x, y);
      if (now != saved.Pixel(x - r.Left, y - r.Top)) image.SetPixel(x, y, WithAlpha(now, 255));
    }
}

void TsSkinProvider::PaintCaption() {
  if (CaptionHeight() <= 0 || FCaptionRect.Right <= FCaptionRect.Left) return;
  TacSkinData& skin = *FrameSkin();
  TsSkinManager* manager = SkinManager();
  std::string text = FAddedTitle.ShowMainCaption() ? Form->Caption() : std::string();
  if (!FAddedTitle.Text().empty()) text += (text.empty() ? "" : " ") + FAddedTitle.Text();
  if (text.empty()) return;
  const HFONT font = CaptionFont();
  const int32_t height = MeasureText(font, text, DT_SINGLELINE).cy;
  // VCenter already holds the skin's centre offset: the text is not shifted by it again.
  TRect rect{FCaptionRect.Left, VCenter - height / 2 - 1, FCaptionRect.Right, VCenter - height / 2 - 1 + height};
  UINT flags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
  if (FCaptionAlignment == TAlignment::taRightJustify) flags |= DT_RIGHT;
  if (FCaptionAlignment == TAlignment::taCenter) flags |= DT_CENTER;
  FCaptionRect.Top = rect.Top;
  FCaptionRect.Bottom = rect.Bottom;
  TacWorkBitmap& image = *FCommonData->FCacheBmp;
  const bool plate = skin.IsValidSkinIndex(FCaptionSkinIndex);
  const int32_t index = plate ? FCaptionSkinIndex : FTitleSkinIndex;
  if (!skin.IsValidSkinIndex(index)) return;
  const TsGeneralData& section = skin.gd[static_cast<size_t>(index)];
  const int32_t state = std::min(FormActive, std::max(section.States - 1, 0));
  if (plate) {
    // The caption plate lies behind the text, a little larger than it.
    const TSize measured = MeasureText(font, text, DT_SINGLELINE);
    const int32_t plateLeft = flags & DT_CENTER ? rect.Left + (rect.Width() - measured.cx) / 2
                              : flags & DT_RIGHT ? rect.Right - measured.cx
                                                 : rect.Left;
    const int32_t plateRight = std::min(rect.Right, plateLeft + measured.cx);
    PaintSection(FCaptionSkinIndex, TacParentBG{}, &skin, &image, {0, 0},
                 {plateLeft - 4, rect.Top - 2, plateRight + 4, rect.Bottom + 2}, state);
  }
  const TsGenState& props = section.Props[static_cast<size_t>(state)];
  if (props.GlowSize > 0)
    DrawTextGlow(image, font, text, rect, nullptr, ColorToRGB(props.GlowColor), props.GlowSize, tgAllSides, flags);
  WriteSectionTextAlpha(image, font, text, BorderWindowLayout(), manager, state, index, flags, rect);
}

HFONT TsSkinProvider::CaptionFont() {
  const int32_t ppi = Form->PixelsPerInch();
  if (FCaptionFont && FCaptionFontPPI == ppi) return FCaptionFont.Get();
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  LOGFONTW font = metrics.lfCaptionFont;
  font.lfHeight = MulDiv(-13, ppi, 96);
  font.lfCharSet = Form->Font().Charset();
  TsSkinManager* manager = SkinManager();
  std::string name;
  if (manager && manager->Fonts().MainMode == TacFontMode::fmFromSkin) name = manager->SkinCommonInfo().MainFont;
  if (manager && manager->Fonts().MainMode == TacFontMode::fmCustom) name = manager->Fonts().MainFont;
  if (!name.empty()) {
    const std::wstring wide = Utf8ToWide(name);
    wcsncpy(font.lfFaceName, wide.c_str(), LF_FACESIZE - 1);
    font.lfFaceName[LF_FACESIZE - 1] = L'\0';
  }
  FCaptionFont.Reset(CreateFontIndirectW(&font));
  FCaptionFontPPI = ppi;
  return FCaptionFont.Get();
}

// The border image over the frame, from the template of the activity state.
void TsSkinProvider::PaintFrameBorder(bool WholeFromImage) {
  TacSkinData& skin = *FrameSkin();
  TacWorkBitmap& image = *FCommonData->FCacheBmp;
  const TacWorkBitmap* templ = FormActive ? skin.ShdaTemplate.get() : skin.ShdiTemplate.get();
  if (!templ || templ->Empty()) return;
  const TRect s = ShadowSize();
  const bool fromImage = skin.IsValidImgIndex(skin.ExBorder) && SkinManager()->ExtBordersMode() == ebmFull;
  const TRect whole = image.BoundsRect();
  if (fromImage) {
    const TsMaskData& m = skin.ma[static_cast<size_t>(skin.ExBorder)];
    const bool stretch = (m.DrawMode & 1) != 0;
    const TacFrameCopyMode mode{stretch, stretch, stretch, stretch, false, false};
    if (WholeFromImage) {
      const int32_t h = CaptionHeight(), b = BorderWidth();
      const int32_t header = FHeaderIndex >= 0 ? skin.ScaleIntValue(FFormHeader.AdditionalHeight()) : 0;
      const TRect source{m.WL, std::min<int32_t>(m.WT, (image.Height() - h) / 2 + h), m.WR,
                         std::min<int32_t>(m.WB, (image.Height() - h) / 2)};
      CopyFrameImage(image, whole, *templ, templ->BoundsRect(), source,
                     {b + s.Left, s.Top + h + header, b + s.Right, b + s.Bottom}, mode);
      PaintTitle(false);
      return;
    }
    CopyFrameImage(image, whole, *templ, templ->BoundsRect(), {m.WL, m.WT, m.WR, m.WB}, s, mode);
  } else {
    const int32_t mx = (templ->Width() - 1) / 2, my = (templ->Height() - 1) / 2;
    CopyFrameImage(image, whole, *templ, templ->BoundsRect(), {mx, my, mx, my}, s, TacFrameCopyMode{});
  }
  const TsGeneralData& section = *FCommonData->Section();
  if (skin.IsValidImgIndex(section.BorderIndex))
    PaintBorderCorners(image, {s.Left, s.Top, image.Width() - s.Right, image.Height() - s.Bottom}, TacParentBG{},
                       std::min(FormActive, std::max(section.States - 1, 0)),
                       skin.ma[static_cast<size_t>(section.BorderIndex)], skin, acAllCorners);
}

void TsSkinProvider::PaintTitleButtons() {
  for (TsCaptionButton* button : {&ButtonClose, &ButtonMax, &ButtonMin, &ButtonHelp}) PaintTitleButton(*button);
  for (size_t i = 0; i < FTitleButtons.Count(); ++i) {
    PaintTitleButton(FTitleButtons.Button(i).Data);
    PaintUserGlyph(FTitleButtons.Button(i));
  }
}

void TsSkinProvider::PaintTitleButton(const TsCaptionButton& Button) {
  if (Button.cpState < 0 || Button.cpRect.IsEmpty()) return;
  // While it fades, the new state's image lies over the normal one.
  const TacTitleButtonFade* fade = TitleButtonFade(CodeOfButton(Button));
  const bool fading = fade && fade->Running();
  PaintTitleButtonInto(*FCommonData->FCacheBmp, {Button.cpRect.Left, Button.cpRect.Top}, Button,
                       fading ? 0 : Button.cpState);
  if (fading) BlendTitleButtonFade(Button);
}

void TsSkinProvider::PaintTitleButtonInto(TacWorkBitmap& Target, TPoint At, const TsCaptionButton& Button,
                                          int32_t Column) {
  TacSkinData& skin = *FrameSkin();
  const int32_t index = Button.cpGlyphType == tgNone ? -1 : skin.TitleGlyphs[static_cast<size_t>(Button.cpGlyphType)];
  if (!skin.IsValidImgIndex(index)) return;
  const TsMaskData& glyph = skin.ma[static_cast<size_t>(index)];
  const int32_t column = std::min(Column, std::max(glyph.ImageCount - 1, 0));
  const bool closeDisabled = &Button == &ButtonClose && !CloseEnabled();
  const bool dimmed = Column == 0 && (!FormActive || !Form->Enabled() || closeDisabled);
  DrawSkinImage(Target, At, column, TacParentBG{}, glyph, dimmed ? 0 : 1, skin);
}

// A user button's own glyph over its skin image, one pixel lower and to the
// right while pressed: 32-bit glyphs with their alpha, others keyed by their
// bottom-left pixel.
void TsSkinProvider::PaintUserGlyph(const TsTitleButton& Button) {
  const TsCaptionButton& data = Button.Data;
  if (data.cpState < 0 || data.cpRect.IsEmpty() || Button.Glyph.Width() <= 0 || Button.Glyph.Height() <= 0) return;
  TacWorkBitmap& image = *FCommonData->FCacheBmp;
  const TacWorkBitmap& glyph = Button.Glyph.Image();
  const int32_t shift = data.cpState == 2 ? 1 : 0;
  const int32_t left = data.cpRect.Left + (data.cpRect.Width() - glyph.Width()) / 2 + shift;
  const int32_t top = data.cpRect.Top + (data.cpRect.Height() - glyph.Height()) / 2 + shift;
  bool hasAlpha = false;
  for (int32_t y = 0; y < glyph.Height() && !hasAlpha; ++y)
    for (int32_t x = 0; x < glyph.Width() && !hasAlpha; ++x) hasAlpha = Alpha(glyph.Pixel(x, y)) != 0;
  const TacPixel key = glyph.Pixel(0, glyph.Height() - 1) & 0xFFFFFFu;
  for (int32_t y = 0; y < glyph.Height(); ++y)
    for (int32_t x = 0; x < glyph.Width(); ++x) {
      const int32_t tx = left + x, ty = top + y;
      if (tx < 0 || ty < 0 || tx >= image.Width() || ty >= image.Height()) continue;
      const TacPixel p = glyph.Pixel(x, y);
      if (hasAlpha) {
        const uint32_t a = Alpha(p);
        const TacPixel under = image.Pixel(tx, ty);
        const auto mix = [a](uint32_t t, uint32_t u) { return (t * a + u * (255 - a) + 127) / 255; };
        image.SetPixel(tx, ty, MakePixel(mix(Red(p), Red(under)), mix(Green(p), Green(under)), mix(Blue(p), Blue(under)),
                                         std::max(a, Alpha(under))));
      } else if ((p & 0xFFFFFFu) != key) {
        image.SetPixel(tx, ty, WithAlpha(p, 255));
      }
    }
}

// The size grip at the client's bottom right.
void TsSkinProvider::PaintGrip() {
  if (FGripMode != gmRightBottom) return;
  TacSkinData& skin = *FrameSkin();
  if (!skin.IsValidImgIndex(skin.GripRightBottom)) return;
  const TsMaskData& grip = skin.ma[static_cast<size_t>(skin.GripRightBottom)];
  const int32_t right = OffsetX() + Form->ClientWidth(), bottom = OffsetY() + Form->ClientHeight();
  DrawSkinImage(*FCommonData->FCacheBmp, {right - grip.Width, bottom - grip.Height}, 0, TacParentBG{}, grip, 1, skin);
}

void TsSkinProvider::RepaintTitleButton(TsCaptionButton& Button, int32_t State) {
  Button.cpState = State;
  if (FadesTitleButtons() && !FCommonData->BGChanged) return FadeTitleButton(Button, State);
  if (auto it = FTitleFades.find(CodeOfButton(Button)); it != FTitleFades.end() && it->second) it->second->Stop();
  PutTitleButtonOnScreen(Button);
}

void TsSkinProvider::PutTitleButtonOnScreen(TsCaptionButton& Button) {
  TacWorkBitmap& image = *FCommonData->FCacheBmp;
  if (FCommonData->BGChanged || image.Empty() || TempBmp.Empty()) {
    FCommonData->BGChanged = true;
    RedrawFrame();
    return;
  }
  const TRect r = Button.cpRect;
  CopyPixels(image, {r.Left, r.Top}, TempBmp, {r.Left - FTempRect.Left, r.Top - FTempRect.Top,
                                                 r.Right - FTempRect.Left, r.Bottom - FTempRect.Top});
  PaintTitleButton(Button);
  ++FFrameVersion;
  if (!Form->HandleAllocated()) return;
  if (BorderWindowLayout()) return UpdateBorderWindow(true);
  const TacWindowDC dc(Form->Handle(), true);
  GdiFlush();
  BitBlt(dc.Get(), r.Left, r.Top, r.Width(), r.Height(), WorkBitmapDC(image), r.Left, r.Top, SRCCOPY);
}
