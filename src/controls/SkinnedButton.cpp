#include "controls/SkinnedButton.h"

#include <algorithm>

#include "controls/CacheCanvas.h"
#include "core/ControlPaint.h"
#include "core/LayeredEffects.h"
#include "core/ParentBackground.h"
#include "core/SkinText.h"
#include "framework/Application.h"
#include "framework/MessageParams.h"
#include "manager/SkinManager.h"
#include "skin/SkinData.h"

namespace {

// Colours of the modal results, as ARGB: first for state 0, second otherwise.
struct TacColorPair {
  TColor Normal, Active;
};
constexpr TacColorPair kGreenGlyph{static_cast<TColor>(0xFF28851A), static_cast<TColor>(0xFF008E00)};
constexpr TacColorPair kGreenBackground{static_cast<TColor>(0xFF7BD098), static_cast<TColor>(0xFF3EE275)};
constexpr TacColorPair kRedGlyph{static_cast<TColor>(0xFF0000B4), static_cast<TColor>(0xFF0000A2)};
constexpr TacColorPair kRedBackground{static_cast<TColor>(0xFF9E9EFF), static_cast<TColor>(0xFF7E7EFF)};

TColor Pick(const TacColorPair& Pair, int32_t State) { return (State == 0 ? Pair.Normal : Pair.Active) & 0xFFFFFF; }

}  // namespace

const TClassInfo& TsButton::StaticClassInfo() {
  static const TClassInfo info("TsButton", &TButton::StaticClassInfo(),
                               [](TComponent* owner) -> TComponent* { return new TsButton(owner); }, [](TClassInfo& c) {
                                 c.Object<TsButton, TsCtrlSkinData>("SkinData", &TsButton::SkinData);
                                 c.Boolean<TsButton>("Down", &TsButton::SetDown);
                                 c.Boolean<TsButton>("ShowFocus", &TsButton::SetShowFocus);
                                 c.Integer<TsButton>("FocusMargin", &TsButton::SetFocusMargin);
                                 c.Integer<TsButton>("ContentMargin", &TsButton::SetContentMargin);
                                 c.Set<TsButton, TacAnimatEvent>("AnimatEvents", &TsButton::SetAnimatEvents,
                                                                 kAnimatEventIdents);
                               });
  return info;
}

TsButton::TsButton(TComponent* Owner) : TButton(Owner), FCommonData(this, true, ckButton) {
  ControlStyle.Exclude(TControlStyleItem::csOpaque);
  ControlStyle.Exclude(TControlStyleItem::csDoubleClicks);
  SetWordWrap(true);
}

TsButton::~TsButton() { Destroying(); }

void TsButton::Loaded() {
  TButton::Loaded();
  FCommonData.Loaded(true);
}

void TsButton::CreateParams(TCreateParams& Params) {
  TButton::CreateParams(Params);
  // The button paints itself; the system keeps its pushed state and clicks.
  Params.Style = (Params.Style & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW;
}

void TsButton::SetDown(bool Value) {
  FDown = Value;
  FCommonData.Invalidate(false);
}

void TsButton::SetShowFocus(bool Value) {
  FShowFocus = Value;
  FCommonData.Invalidate(false);
}

void TsButton::SetContentMargin(int32_t Value) {
  FContentMargin = std::clamp(Value, 0, 1000);
  FCommonData.Invalidate(false);
}

void TsButton::SetDisabledKind(TsDisabledKind Value) {
  FDisabledKind = Value;
  FCommonData.Invalidate(false);
}

int32_t TsButton::CurrentState() {
  TsSkinManager* manager = FCommonData.GetSkinManager();
  const bool noHover = manager && manager->Options().NoMouseHover;
  const bool pushed = HandleAllocated() && (SendMessageW(Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
  if ((pushed && (FCommonData.FMouseAbove || !FMouseClicked || noHover)) || FDown) return 2;
  if (FCommonData.CtrlState() == 0) return Default() ? 3 : 0;
  return 1;
}

int32_t TsButton::PaintedState() {
  const int32_t state = CurrentState();
  const TsGeneralData* section = FCommonData.Section();
  const int32_t states = section ? std::max(section->States, 1) : 1;
  if (state == 3) return states < 4 ? std::min(1, states - 1) : 3;
  return std::min(state, states - 1);
}

TacColoring TsButton::Coloring(int32_t State) {
  TacColoring coloring;
  if (FCommonData.ColorTone() != clNone) {
    coloring.ColorBG = FCommonData.ColorTone();
  } else if (ModalResult() != mrNone) {
    const bool green = ModalResult() == mrOk || ModalResult() == mrYes;
    const bool red = ModalResult() == mrCancel || ModalResult() == mrNo;
    if (green || red) {
      TsSkinManager* manager = FCommonData.GetSkinManager();
      const bool skinned = FCommonData.Skinned();
      const TacModalButtonsColoring options =
          manager ? manager->ButtonsOptions().ModalButtonsColoring : TacModalButtonsColoring{TacModalButtonColoring::bcGlyph};
      const TacColorPair& glyph = green ? kGreenGlyph : kRedGlyph;
      if (!manager || options.Contains(TacModalButtonColoring::bcGlyph)) coloring.ColorGlyph = Pick(glyph, State);
      if (skinned && options.Contains(TacModalButtonColoring::bcText)) coloring.ColorText = Pick(glyph, State);
      if (skinned && options.Contains(TacModalButtonColoring::bcBackground))
        coloring.ColorBG = Pick(green ? kGreenBackground : kRedBackground, State);
    }
  }
  if (FOnGetColoring) FOnGetColoring(this, State, coloring);
  return coloring;
}

UINT TsButton::TextFlags() {
  UINT flags = DT_EXPANDTABS | DT_VCENTER | DT_NOCLIP;
  flags |= WordWrap() ? DT_WORDBREAK : DT_SINGLELINE;
  const LONG style = HandleAllocated() ? GetWindowLongW(Handle(), GWL_STYLE) : 0;
  if ((style & BS_CENTER) == BS_LEFT)
    flags |= DT_LEFT;
  else if ((style & BS_CENTER) == BS_RIGHT)
    flags |= DT_RIGHT;
  else
    flags |= DT_CENTER;
  if (FCommonData.TranspMode == 2) flags |= acAlphaTextFlag;
  return flags;
}

TRect TsButton::CaptionRect(TCanvas& Canvas, int32_t State, UINT Flags) {
  const int32_t margin = FContentMargin;
  RECT bounds{margin, 0, Width() - margin, Height()};
  RECT measured = bounds;
  Canvas.DrawText(Caption(), measured, (Flags & ~acAlphaTextFlag) | DT_CALCRECT);
  const int32_t width = std::min<int32_t>(measured.right - measured.left, bounds.right - bounds.left);
  const int32_t height = measured.bottom - measured.top;
  TRect rect{(Width() - width) / 2, (Height() - height) / 2, 0, 0};
  rect.Right = rect.Left + width;
  rect.Bottom = rect.Top + height;
  if (State == 2) {
    TsSkinManager* manager = FCommonData.GetSkinManager();
    const TsGeneralData* section = FCommonData.Section();
    if ((section && section->ShiftOnClick) || (manager && manager->ButtonsOptions().ShiftContentOnClick)) {
      rect.Left += 1;
      rect.Top += 1;
      rect.Right += 1;
      rect.Bottom += 1;
    }
  }
  return rect;
}

bool TsButton::PrepareCache() {
  TacWorkBitmap& cache = *FCommonData.FCacheBmp;
  const std::optional<TacParentBG> background =
      FCommonData.SkinIndex >= 0 ? BackgroundUnder(this) : std::optional<TacParentBG>{};
  if (!background) {
    FCommonData.FUpdating = true;
    return false;
  }
  cache.EnsureSize(Width(), Height());
  const int32_t state = CurrentState();
  const int32_t painted = PaintedState();
  const TacColoring coloring = Coloring(state);
  const TColor tone = FCommonData.FColorTone;
  if (coloring.ColorBG != clNone) FCommonData.FColorTone = coloring.ColorBG;
  PaintControlSection(&FCommonData, *background, true, &cache, {0, 0}, cache.BoundsRect(), painted);
  FCommonData.FColorTone = tone;
  {
    TacCacheCanvas canvas(cache, Font());
    const UINT flags = TextFlags();
    const TRect rect = CaptionRect(canvas.Canvas(), state, flags);
    const std::string caption = Caption();
    if (!caption.empty()) {
      if (coloring.ColorText != clNone) {
        canvas.Canvas().Font().SetColor(coloring.ColorText);
        TRect r = rect;
        DrawSkinText(canvas.Canvas().Handle(), caption, r, &cache, flags);
      } else {
        WriteControlText(canvas.Canvas(), caption, true, false, painted, FCommonData, flags, rect);
      }
    }
    if (HandleAllocated() && GetFocus() == Handle() && Enabled() && !caption.empty() && FShowFocus) {
      TsSkinManager* manager = FCommonData.GetSkinManager();
      const TsGeneralData* section = FCommonData.Section();
      if (section && (!manager || manager->ButtonsOptions().ShowFocusRect)) {
        RECT focus{rect.Left - FFocusMargin - 1, std::max<LONG>(rect.Top - FFocusMargin, 3),
                   rect.Right + FFocusMargin + 1, std::min<LONG>(rect.Bottom + FFocusMargin, Height() - 3)};
        const int32_t focusState = std::min(section->States, 2);
        SetTextColor(canvas.Canvas().Handle(),
                     ColorToRGB(section->Props[static_cast<size_t>(PropsState(*section, focusState))].FontColor.Color));
        DrawFocusRect(canvas.Canvas().Handle(), &focus);
      }
    }
  }
  if (!Enabled()) ApplyDisabledLook(cache, FDisabledKind, ParentColorOf(Parent()), {0, 0}, *background);
  FCommonData.BGChanged = false;
  return true;
}

bool BorderCornerIsTransparent(const TsMaskData& Mask, int32_t Width, int32_t Height, POINT Point) {
  if (!Mask.Bmp || Mask.Bmp->Empty()) return false;
  const bool left = Point.x < Mask.WL;
  const bool right = Point.x >= Width - Mask.WR;
  const bool top = Point.y < Mask.WT;
  const bool bottom = Point.y >= Height - Mask.WB;
  if (!(left || right) || !(top || bottom)) return false;
  const int64_t x = left ? Point.x : static_cast<int64_t>(Mask.Bmp->Width()) - (static_cast<int64_t>(Width) - Point.x);
  const int64_t y = top ? Point.y : static_cast<int64_t>(Mask.Bmp->Height()) - (static_cast<int64_t>(Height) - Point.y);
  if (x < 0 || y < 0 || x >= Mask.Bmp->Width() || y >= Mask.Bmp->Height()) return false;
  const TacPixel pixel = Mask.Bmp->Pixel(static_cast<int32_t>(x), static_cast<int32_t>(y));
  return (Mask.Cfg & 1) ? pixel == KeyPixel : (pixel >> 24) == 0;
}

bool TsButton::CornerIsTransparent(POINT Point) {
  const TsGeneralData* section = FCommonData.Section();
  TacSkinData* skin = FCommonData.GetCommonSkinData();
  if (!section || !skin || !skin->IsValidImgIndex(section->BorderIndex)) return false;
  return BorderCornerIsTransparent(skin->ma[static_cast<size_t>(section->BorderIndex)], Width(), Height(), Point);
}

void TsButton::PaintTo(HDC DC) {
  RECT clip{};
  if (GetClipBox(DC, &clip) == ERROR) return;
  FCommonData.BGChanged = FCommonData.BGChanged || FCommonData.HalfVisible;
  FCommonData.HalfVisible = clip.right - clip.left < Width() || clip.bottom - clip.top < Height();
  if (FCommonData.IsAnimating()) {
    const TacWorkBitmap& frame = *FCommonData.AnimTimer->BmpOut;
    GdiFlush();
    BitBlt(DC, 0, 0, frame.Width(), frame.Height(), WorkBitmapDC(frame), 0, 0, SRCCOPY);
    return;
  }
  if (FCommonData.BGChanged && !PrepareCache()) return;
  const TacWorkBitmap& cache = *FCommonData.FCacheBmp;
  GdiFlush();
  BitBlt(DC, 0, 0, cache.Width(), cache.Height(), WorkBitmapDC(cache), 0, 0, SRCCOPY);
}

void TsButton::Repaint() {
  FCommonData.BGChanged = true;
  if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

bool TsButton::Animates(TacAnimatEvent Event) {
  return AnimationAllowed(Event, FAnimatEvents, FCommonData.GetSkinManager());
}

bool TsButton::ClickCircleWanted() {
  TsSkinManager* manager = FCommonData.GetSkinManager();
  if (!manager || !manager->Effects().AllowAnimation) return false;
  const TacBtnEffects& buttons = manager->AnimEffects().Buttons;
  return buttons.Events.Contains(TacBtnEvent::beClick) &&
         (buttons.ClickEffect == TacClickEffect::ceCircle || buttons.ClickEffect == TacClickEffect::ceCircleAndWave);
}

void TsButton::MouseEnterLeave(bool Entering) {
  FCommonData.BGChanged = false;
  FCommonData.FMouseAbove = Entering;
  ChangeState(&FCommonData, Entering ? 1 : 0, FadeStep, Entering, false,
              Animates(Entering ? TacAnimatEvent::aeMouseEnter : TacAnimatEvent::aeMouseLeave));
}

void TsButton::Press() {
  FCommonData.BGChanged = false;
  if (ClickCircleWanted())
    ChangeState(&FCommonData, 2, ClickCircleStep, false, false, true);
  else
    ChangeState(&FCommonData, 2, FadeStep, false, true, Animates(TacAnimatEvent::aeMouseDown));
}

void TsButton::Release(TMessage& Message) {
  FMouseClicked = false;
  TacThreadedTimer* timer = FCommonData.AnimTimer.get();
  const bool circle = timer && timer->ThreadType == 2 && FCommonData.IsAnimating();
  if (!circle && FCommonData.IsAnimating()) {
    // A quick click still shows the pressed image for a moment before the fade to hot.
    FCommonData.StopAnimation();
    FCommonData.BGChanged = true;
    if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Sleep(30);
  }
  TButton::WndProc(Message);
  FCommonData.FUpdating = false;
  if (!HandleAllocated()) return;
  if (circle && ReleaseClickCircle(&FCommonData)) return;
  if (Enabled() && FCommonData.FMouseAbove) {
    ChangeState(&FCommonData, 1, FadeStep, true, true, Animates(TacAnimatEvent::aeMouseUp));
    return;
  }
  FCommonData.StopAnimation();
  Repaint();
}

void TsButton::RetargetFade() {
  FCommonData.BGChanged = true;
  if (PrepareCache()) {
    TacThreadedTimer& timer = *FCommonData.AnimTimer;
    TacThreadedTimer::CopyFrom(timer.BmpTo, *FCommonData.FCacheBmp, FCommonData.FCacheBmp->BoundsRect());
  }
}

void TsButton::Click() {
  TsSkinManager* manager = FCommonData.GetSkinManager();
  const TacClickEffect effect = manager ? manager->AnimEffects().Buttons.ClickEffect : TacClickEffect::ceNone;
  if (manager && HandleAllocated() && FCommonData.Skinned() && Animates(TacAnimatEvent::aeClick) &&
      (effect == TacClickEffect::ceWaveOut || effect == TacClickEffect::ceCircleAndWave)) {
    RECT bounds{};
    GetWindowRect(Handle(), &bounds);
    TacRippleParams wave;
    wave.Center = {(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
    wave.RadiusStart = std::max(bounds.right - bounds.left, bounds.bottom - bounds.top) / 2;
    wave.RadiusFinish = wave.RadiusStart + 12 * FCommonData.CurrentPPI / 96;
    wave.Color = FCommonData.TextColor(1, false);
    wave.OwnerWnd = GetAncestor(Handle(), GA_ROOT);
    FCommonData.CircleID = ShowRipple(wave, &FCommonData);
  }
  TButton::Click();
}

bool TsButton::HandleSkinCommand(TMessage& Message) {
  TsSkinManager* manager = FCommonData.GetSkinManager();
  const bool ownManager = reinterpret_cast<TsSkinManager*>(Message.LParam) == manager;
  switch (SkinCommandOf(Message.WParam)) {
    case SK_SKIN_REMOVED:
      if (!ownManager || ComponentState().Contains(TComponentStateItem::csDestroying)) return true;
      FCommonData.CommonSkinCommand(Message);
      Repaint();
      return true;
    case SK_REFRESH:
      if (HandleAllocated()) SetWindowRgn(Handle(), nullptr, FALSE);
      FCommonData.CommonSkinCommand(Message);
      if (!(FCommonData.CtrlSkinState & csPrinting)) Repaint();
      return true;
    case SK_GET_DEFAULT_INDEX:
      Message.Result = manager ? manager->GetSkinIndex("BUTTON") + 1 : 0;
      return true;
    case SK_PREPARE_CACHE:
      Message.Result = PrepareCache() ? 0 : 1;
      return true;
    case SK_GET_COLORING:
      if (Message.LParam && MayAnswerSkinCommand(Message)) {
        *reinterpret_cast<TacColoring*>(Message.LParam) = Coloring(CurrentState());
        Message.Result = 1;
      }
      return true;
    case SK_IS_SKINNED:
      FCommonData.CommonSkinCommand(Message);
      Message.Result = 1;
      return true;
    case SK_GET_DEFAULT_KIND:
      Message.Result = 2;
      return true;
    case SK_END_PARENT_UPDATE:
      if (FCommonData.FUpdating && !FCommonData.CheckUpdating(true)) {
        Repaint();
        return true;
      }
      return FCommonData.CommonSkinCommand(Message);
    default:
      return FCommonData.CommonSkinCommand(Message);
  }
}

bool TsButton::HandleSkinnedMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
    case WM_PRINT:
    case WM_PRINTCLIENT: {
      if (!Showing()) return false;
      if (Message.Msg != WM_PAINT) FCommonData.FUpdating = false;
      PAINTSTRUCT paint{};
      HDC dc = MessageDC(Message);
      const bool own = dc == nullptr;
      if (own) dc = BeginPaint(Handle(), &paint);
      if (!FCommonData.CheckUpdating()) PaintTo(dc);
      if (own) EndPaint(Handle(), &paint);
      Message.Result = 0;
      return true;
    }
    case WM_ERASEBKGND:
      if (MessageDC(Message) && !FCommonData.CheckUpdating() && !FCommonData.IsAnimating()) {
        if (FCommonData.BGChanged) PrepareCache();
        if (!FCommonData.BGChanged)
          CopyCacheExcludingChildren(this, FCommonData, FCommonData.FCacheBmp->BoundsRect(), {0, 0},
                                     MessageDC(Message), {0, 0, Width(), Height()});
      }
      Message.Result = 0;
      return true;
    case WM_UPDATEUISTATE:
      if (!Visible()) return false;
      Message.Result = 1;
      return true;
    case WM_NCHITTEST: {
      TButton::WndProc(Message);
      const POINT point = ScreenToClient({static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))});
      if (Message.Result == HTCLIENT && CornerIsTransparent(point)) Message.Result = HTTRANSPARENT;
      return true;
    }
    case CN_DRAWITEM:
      Message.Result = 1;
      return true;
    case CN_MEASUREITEM:
      if (auto* item = LParamPointer<MEASUREITEMSTRUCT>(Message)) {
        item->itemWidth = static_cast<UINT>(Width());
        item->itemHeight = static_cast<UINT>(Height());
      }
      return true;
    case WM_ENABLE:
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!Enabled() || FDown) return false;
      FMouseClicked = true;
      TButton::WndProc(Message);
      Press();
      return true;
    case WM_LBUTTONUP:
      if (!FMouseClicked) return false;
      Release(Message);
      return true;
    case WM_KEYUP:
      TButton::WndProc(Message);
      if (Message.WParam == VK_SPACE) Repaint();
      return true;
    case WM_KEYDOWN:
      TButton::WndProc(Message);
      if (Message.WParam == VK_SPACE) Repaint();
      return true;
    case BM_SETSTATE:
      // The press and release that set it start their own fades from the image on screen.
      TButton::WndProc(Message);
      return true;
    case BM_SETSTYLE:
      TButton::WndProc(Message);
      Repaint();
      return true;
    case WM_SETTEXT:
      TButton::WndProc(Message);
      FCommonData.Invalidate(true);
      return true;
    case WM_MOVE: {
      const TsGeneralData* section = FCommonData.Section();
      const bool opaque = section && section->Props[0].Transparency == 0 &&
                          (section->States <= 1 || section->Props[1].Transparency == 0 || FCommonData.CtrlState() == 0);
      if (!opaque) Repaint();
      return false;
    }
    case WM_WINDOWPOSCHANGED:
      FCommonData.BGChanged = true;
      return false;
    case CM_TEXTCHANGED:
      if (!ComponentState().Contains(TComponentStateItem::csDestroying)) {
        FinishAnimation(&FCommonData);
        FCommonData.StopAnimation();
        FCommonData.Invalidate(false);
      }
      return false;
    default:
      return false;
  }
}

void TsButton::WndProc(TMessage& Message) {
  if (Message.Msg == SM_SKINCOMMAND && HandleSkinCommand(Message)) return;
  if (FCommonData.Skinned()) {
    if (HandleSkinnedMessage(Message)) return;
    if (Message.Msg == CM_MOUSEENTER || Message.Msg == CM_MOUSELEAVE) {
      const bool entering = Message.Msg == CM_MOUSEENTER;
      TsSkinManager* manager = FCommonData.GetSkinManager();
      if (Enabled() && FCommonData.FMouseAbove != entering && !(entering && manager && manager->Options().NoMouseHover)) {
        FCommonData.CommonMessage(Message);
        TButton::WndProc(Message);
        MouseEnterLeave(entering);
        return;
      }
    }
    if (Message.Msg == WM_SETFOCUS || Message.Msg == WM_KILLFOCUS || Message.Msg == CM_ENABLEDCHANGED ||
        Message.Msg == CM_VISIBLECHANGED || Message.Msg == WM_SETFONT) {
      FCommonData.CommonMessage(Message);
      TButton::WndProc(Message);
      FCommonData.FUpdating = false;
      if (Message.Msg == WM_KILLFOCUS) FCommonData.FFocused = false;
      if (Message.Msg == WM_SETFOCUS && FCommonData.IsAnimating()) {
        RetargetFade();
        return;
      }
      FCommonData.StopAnimation();
      Repaint();
      return;
    }
  } else if (Message.Msg == CN_DRAWITEM) {
    // The framework look, for a button without a skin.
    if (const auto* item = LParamPointer<const DRAWITEMSTRUCT>(Message)) {
      RECT rect = item->rcItem;
      const bool pushed = (item->itemState & ODS_SELECTED) != 0;
      DrawFrameControl(item->hDC, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
      TCanvas canvas;
      canvas.SetHandle(item->hDC);
      canvas.Font().Assign(Font());
      canvas.Font().SetColor(Enabled() ? Font().Color() : clGrayText);
      canvas.Brush.Style = TBrushStyle::bsClear;
      if (pushed) OffsetRect(&rect, 1, 1);
      canvas.DrawText(Caption(), rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      if (item->itemState & ODS_FOCUS) {
        InflateRect(&rect, -4, -4);
        DrawFocusRect(item->hDC, &rect);
      }
      canvas.SetHandle(nullptr);
    }
    Message.Result = 1;
    return;
  }
  if (FCommonData.CommonMessage(Message)) return;
  TButton::WndProc(Message);
}
