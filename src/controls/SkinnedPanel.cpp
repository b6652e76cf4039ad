#include "controls/SkinnedPanel.h"

#include <algorithm>

#include "controls/CacheCanvas.h"
#include "core/ControlPaint.h"
#include "core/OuterEffects.h"
#include "core/ParentBackground.h"
#include "core/SkinText.h"
#include "framework/MessageParams.h"
#include "graphics/AlphaOps.h"
#include "graphics/PixelFill.h"
#include "manager/SkinManager.h"
#include "skin/SkinData.h"

namespace {

template <class T>
TComponent* Make(TComponent* owner) {
  return new T(owner);
}

const TIdentTable<TacSideShadowMode> kSideShadowModeIdents{{"ssmNone", TacSideShadowMode::ssmNone},
                                                           {"ssmInternal", TacSideShadowMode::ssmInternal}};
const TIdentTable<TacSide> kSideIdents{
    {"asLeft", asLeft}, {"asTop", asTop}, {"asRight", asRight}, {"asBottom", asBottom}};

// Mixes every pixel of Rect in Bitmap toward black by the ramp's opacity,
// the ramp running from Side inwards.
void DarkenStrip(TacWorkBitmap& Bitmap, const TRect& Rect, TacSide Side, const std::vector<uint8_t>& Ramp) {
  const int32_t size = static_cast<int32_t>(Ramp.size());
  for (int32_t y = std::max(Rect.Top, 0); y < std::min(Rect.Bottom, Bitmap.Height()); ++y)
    for (int32_t x = std::max(Rect.Left, 0); x < std::min(Rect.Right, Bitmap.Width()); ++x) {
      const int32_t distance = Side == asLeft    ? x - Rect.Left
                               : Side == asTop   ? y - Rect.Top
                               : Side == asRight ? Rect.Right - 1 - x
                                                          : Rect.Bottom - 1 - y;
      if (distance < 0 || distance >= size) continue;
      const uint32_t keep = 255u - Ramp[static_cast<size_t>(distance)];
      const TacPixel p = Bitmap.Pixel(x, y);
      Bitmap.SetPixel(x, y, (p & 0xFF000000u) | (((p >> 16 & 0xFFu) * keep / 255u) << 16) |
                                (((p >> 8 & 0xFFu) * keep / 255u) << 8) | ((p & 0xFFu) * keep / 255u));
    }
}

}  // namespace

// Side shadow

const TClassInfo& TacSideShadow::StaticClassInfo() {
  static const TClassInfo info("TacSideShadow", &TPersistent::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    c.Enum<TacSideShadow, TacSideShadowMode>("Mode", &TacSideShadow::SetMode, kSideShadowModeIdents);
    c.Enum<TacSideShadow, TacSide>("Side", &TacSideShadow::SetSide, kSideIdents);
    c.Integer<TacSideShadow>("ShadowSize", &TacSideShadow::SetShadowSize);
    c.Integer<TacSideShadow>("Blend", &TacSideShadow::SetBlend);
  });
  return info;
}

void TacSideShadow::SetMode(TacSideShadowMode Value) {
  FMode = Value;
  Changed();
}

void TacSideShadow::SetSide(TacSide Value) {
  FSide = Value;
  Changed();
}

void TacSideShadow::SetShadowSize(int32_t Value) {
  FShadowSize = std::clamp(Value, 0, 1000);
  Changed();
}

void TacSideShadow::SetBlend(int32_t Value) {
  FBlend = std::clamp(Value, 0, 255);
  Changed();
}

void TacSideShadow::Changed() {
  if (FOwner) FOwner->SideShadowChanged();
}

// Panel

const TClassInfo& TsCustomPanel::StaticClassInfo() {
  static const TClassInfo info("TsCustomPanel", &TCustomPanel::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    c.Boolean<TsCustomPanel>("TransparentForMouse", &TsCustomPanel::SetTransparentForMouse);
    c.Object<TsCustomPanel, TsCtrlSkinData>("SkinData", &TsCustomPanel::SkinData);
    c.Object<TsCustomPanel, TacSideShadow>("SideShadow", &TsCustomPanel::SideShadow);
  });
  return info;
}

const TClassInfo& TsPanel::StaticClassInfo() {
  static const TClassInfo info("TsPanel", &TsCustomPanel::StaticClassInfo(), Make<TsPanel>, nullptr);
  return info;
}

TsCustomPanel::TsCustomPanel(TComponent* Owner)
    : TCustomPanel(Owner), FCommonData(this, true, ckPanel), FSideShadow(this) {}

TsCustomPanel::~TsCustomPanel() { Destroying(); }

void TsCustomPanel::Loaded() {
  TCustomPanel::Loaded();
  FOldBevel = BevelOuter();
  FCommonData.Loaded(true);
}

void TsCustomPanel::CreateParams(TCreateParams& Params) {
  TCustomPanel::CreateParams(Params);
  if (FCommonData.DoForceOpaque()) Params.ExStyle |= WS_EX_LAYERED;
}

void TsCustomPanel::CreateWnd() {
  TCustomPanel::CreateWnd();
  if (FCommonData.DoForceOpaque()) SetLayeredWindowAttributes(Handle(), 0, 255, LWA_ALPHA);
  if (!FCommonData.GlassModeInit)
    Perform(SM_SKINCOMMAND, MakeSkinCommand(SK_INIT_TRANSPARENCY), 0);
}

const char* TsCustomPanel::DefaultSection() const {
  switch (BevelOuter()) {
    case TBevelCut::bvNone:
      return "TRANSPARENT";
    case TBevelCut::bvLowered:
      return "PANEL_LOW";
    case TBevelCut::bvSpace:
      return "GROUPBOX";
    default:
      return "PANEL";
  }
}

void TsCustomPanel::SideShadowChanged() {
  FShadowRamp.clear();
  FCommonData.BGChanged = true;
  if (ComponentState().Contains(TComponentStateItem::csLoading)) return;
  for (size_t i = 0; i < ControlCount(); ++i)
    if (!Controls(i)->ComponentState().Contains(TComponentStateItem::csDestroying))
      SendSkinCommandToControl(Controls(i), SK_REPAINT_IF_MOVED);
  if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool TsCustomPanel::PrepareCache() {
  TacWorkBitmap& cache = *FCommonData.FCacheBmp;
  const std::optional<TacParentBG> background = BackgroundUnder(this);
  if (!background) {
    FCommonData.FUpdating = true;
    return false;
  }
  // A new DIB section per paint would cost more than the painting.
  cache.EnsureSize(Width(), Height());
  PaintControlSection(&FCommonData, *background, true, &cache, {0, 0}, cache.BoundsRect(), 0);
  PaintOuterEffects(this, {0, 0});
  {
    TacCacheCanvas canvas(cache, Font());
    const RECT caption = CaptionRect();
    WriteText({caption.left, caption.top, caption.right, caption.bottom}, canvas.Canvas());
    if (FOnPaint) FOnPaint(this, canvas.Canvas());
  }
  FCommonData.BGChanged = false;
  ApplySideShadow();
  return true;
}

void TsCustomPanel::WriteText(TRect Rect, TCanvas& Canvas) {
  const std::string caption = Caption();
  if (!ShowCaption() || caption.empty()) return;
  UINT flags = DT_EXPANDTABS | DT_WORDBREAK;
  flags |= Alignment() == TAlignment::taCenter         ? DT_CENTER
           : Alignment() == TAlignment::taRightJustify ? DT_RIGHT
                                                       : DT_LEFT;
  if (FCommonData.TranspMode == 2) flags |= acAlphaTextFlag;
  if (VerticalAlignment() != TVerticalAlignment::taAlignTop) {
    RECT measured{Rect.Left, Rect.Top, Rect.Right, Rect.Bottom};
    Canvas.DrawText(caption, measured, flags | DT_CALCRECT);
    const int32_t height = measured.bottom - measured.top;
    if (VerticalAlignment() == TVerticalAlignment::taVerticalCenter)
      Rect.Top += (Rect.Height() - height) / 2 + BorderWidth();
    else
      Rect.Top = Rect.Bottom - height;
  }
  WriteControlText(Canvas, caption, Enabled(), false, 0, FCommonData, flags, Rect);
  if (FCommonData.TranspMode == 1) SetAlphaRect(*FCommonData.FCacheBmp, Rect, 255, {}, clNone);
}

void TsCustomPanel::ApplySideShadow() {
  if (FSideShadow.Mode() != TacSideShadowMode::ssmInternal) return;
  const int32_t size = MulDiv(FSideShadow.ShadowSize(), FCommonData.CurrentPPI, 96);
  if (size <= 0) return;
  if (FShadowRamp.size() != static_cast<size_t>(size)) {
    FShadowRamp.resize(static_cast<size_t>(size));
    for (int32_t i = 0; i < size; ++i)
      FShadowRamp[static_cast<size_t>(i)] = static_cast<uint8_t>(FSideShadow.Blend() * (size - i) / size);
  }
  const int32_t w = Width();
  const int32_t h = Height();
  const TRect strip = FSideShadow.Side() == asLeft  ? TRect{0, 0, size, h}
                      : FSideShadow.Side() == asTop ? TRect{0, 0, w, size}
                      : FSideShadow.Side() == asRight ? TRect{w - size, 0, w, h}
                                                               : TRect{0, h - size, w, h};
  DarkenStrip(*FCommonData.FCacheBmp, strip, FSideShadow.Side(), FShadowRamp);
}

void TsCustomPanel::PaintCustomColor(HDC DC) {
  FCommonData.FUpdating = false;
  TColor color = ColorToRGB(Color());
  if (const TsGeneralData* section = FCommonData.Section(); section && section->Props[0].Transparency > 0)
    color = MixColors(ParentColorOf(Parent()), color, section->Props[0].Transparency * 255 / 100);
  TacWorkBitmap& cache = *FCommonData.FCacheBmp;
  cache.EnsureSize(Width(), Height());
  cache.Fill(PixelOfColor(color) | 0xFF000000u);
  {
    TacCacheCanvas canvas(cache, Font());
    const RECT caption = CaptionRect();
    WriteText({caption.left, caption.top, caption.right, caption.bottom}, canvas.Canvas());
    if (FOnPaint) FOnPaint(this, canvas.Canvas());
  }
  FCommonData.BGChanged = false;
  CopyCacheExcludingChildren(this, FCommonData, cache.BoundsRect(), {0, 0}, DC, {0, 0, Width(), Height()});
}

void TsCustomPanel::PaintPanel(HDC DC, bool PassOn) {
  const bool printing = (FCommonData.CtrlSkinState & csPrinting) != 0;
  if ((!Showing() && !printing) || !FCommonData.Skinned()) return;
  if (FCommonData.CustomColor() && !printing && !FOnPaint) {
    PaintCustomColor(DC);
  } else {
    RECT clip{};
    const int region = GetClipBox(DC, &clip);
    if (region == ERROR) return;
    if (region == NULLREGION) return;
    if (!FCommonData.CheckUpdating()) {
      TacWorkBitmap& cache = *FCommonData.FCacheBmp;
      const bool needed = FCommonData.HalfVisible || FCommonData.BGChanged || cache.Empty();
      FCommonData.HalfVisible = FCommonData.RepaintIfMoved() &&
                                (clip.right - clip.left < Width() || clip.bottom - clip.top < Height());
      if (needed && !PrepareCache() && FCommonData.BGChanged) return;
      CopyCacheExcludingChildren(this, FCommonData, cache.BoundsRect(), {0, 0}, DC, {0, 0, Width(), Height()});
    }
  }
  if (!printing) PaintControls(DC);
  if (PassOn) TellChildrenParentReady();
}

void TsCustomPanel::TellChildrenParentReady() {
  for (size_t i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    auto* windowed = dynamic_cast<TWinControl*>(child);
    if (windowed ? windowed->Showing() : child->Visible())
      SendSkinCommandToControl(child, SK_END_PARENT_UPDATE);
  }
}

void TsCustomPanel::PaintNow() {
  if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void TsCustomPanel::Paint() {
  TCustomPanel::Paint();
  if (FOnPaint) FOnPaint(this, Canvas());
}

bool TsCustomPanel::HandleSkinCommand(TMessage& Message) {
  const int command = SkinCommandOf(Message.WParam);
  TsSkinManager* manager = FCommonData.GetSkinManager();
  const bool ownManager = reinterpret_cast<TsSkinManager*>(Message.LParam) == manager;
  switch (command) {
    case SK_SKIN_LOADED: {
      if (ownManager) FCommonData.CommonSkinCommand(Message);
      TMessage passed = Message;
      BroadcastToChildControls(this, passed);
      return true;
    }
    case SK_SKIN_REMOVED: {
      if (ownManager) {
        FCommonData.CommonSkinCommand(Message);
        Invalidate();
      }
      TMessage passed = Message;
      BroadcastToChildControls(this, passed);
      return true;
    }
    case SK_IS_SKINNED:
      FCommonData.CommonSkinCommand(Message);
      Message.Result = 1;
      return true;
    case SK_GET_DEFAULT_INDEX:
      Message.Result = manager ? manager->GetSkinIndex(DefaultSection()) + 1 : 0;
      return true;
    case SK_GET_DEFAULT_KIND:
      Message.Result = 12;
      return true;
    case SK_END_PARENT_UPDATE:
      if (FCommonData.FUpdating && !FCommonData.CheckUpdating(true)) {
        PaintNow();
        TellChildrenParentReady();
      }
      return true;
    case SK_PREPARE_CACHE:
      if (!FCommonData.CheckUpdating() && FCommonData.BGChanged && !PrepareCache()) FCommonData.FUpdating = true;
      Message.Result = FCommonData.BGChanged ? 1 : 0;
      return true;
    default:
      return FCommonData.CommonSkinCommand(Message);
  }
}

bool TsCustomPanel::HandleSkinnedMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT: {
      if (!Showing()) return false;
      PAINTSTRUCT paint{};
      HDC dc = MessageDC(Message);
      const bool own = dc == nullptr;
      if (own) dc = BeginPaint(Handle(), &paint);
      if (!FCommonData.CheckUpdating()) PaintPanel(dc, true);
      if (own) EndPaint(Handle(), &paint);
      Message.Result = 0;
      return true;
    }
    case WM_ERASEBKGND: {
      // The same DC in both parameters asks for a copy: the paint that follows draws it whole.
      HDC dc = MessageDC(Message);
      if (dc && Message.WParam != static_cast<WPARAM>(Message.LParam) && !FCommonData.CheckUpdating()) {
        if ((FCommonData.BGChanged || FCommonData.FCacheBmp->Empty()) && !PrepareCache()) {
          Message.Result = 1;
          return true;
        }
        const TacWorkBitmap& cache = *FCommonData.FCacheBmp;
        BitBlt(dc, 0, 0, cache.Width(), cache.Height(), WorkBitmapDC(cache), 0, 0, SRCCOPY);
      }
      Message.Result = 1;
      return true;
    }
    case WM_PRINTCLIENT:
      // A copy of the client as the screen shows it, graphic children included.
      if (FCommonData.BGChanged) PrepareCache();
      PaintPanel(MessageDC(Message), false);
      Message.Result = 0;
      return true;
    case WM_PRINT:
      FCommonData.CtrlSkinState |= csPrinting;
      FCommonData.FUpdating = false;
      FCommonData.HalfVisible = false;
      if (FCommonData.CustomColor() || FCommonData.BGChanged) PrepareCache();
      PaintPanel(MessageDC(Message), false);
      FCommonData.CtrlSkinState &= ~csPrinting;
      Message.Result = 0;
      return true;
    case WM_SIZE:
      FCommonData.BGChanged = true;
      if (HandleAllocated() && IsWindowVisible(Handle()) && !FCommonData.CheckUpdating()) {
        FCommonData.CommonMessage(Message);
        FCommonData.FUpdating = true;
        TCustomPanel::WndProc(Message);
        FCommonData.FUpdating = false;
        TellChildrenParentReady();
        return true;
      }
      return false;
    case WM_WINDOWPOSCHANGING: {
      const auto* position = LParamPointer<const WINDOWPOS>(Message);
      const TsGeneralData* section = FCommonData.Section();
      if (position && section && section->Props[0].Transparency > 0 && !(position->flags & SWP_NOMOVE))
        FCommonData.BGChanged = true;
      return false;
    }
    case CM_VISIBLECHANGED:
      FCommonData.BGChanged = true;
      FCommonData.FUpdating = false;
      if (Visible()) PrepareCache();
      TCustomPanel::WndProc(Message);
      TellChildrenParentReady();
      FCommonData.CommonMessage(Message);
      return true;
    case CM_COLORCHANGED:
      if (FCommonData.CustomColor()) FCommonData.BGChanged = true;
      return false;
    case CM_TEXTCHANGED:
      if (Parent()) FCommonData.Invalidate(false);
      return true;
    case CM_SHOWINGCHANGED:
      if (Visible()) FCommonData.FUpdating = false;
      return false;
    default:
      return false;
  }
}

void TsCustomPanel::WndProc(TMessage& Message) {
  if (Message.Msg == SM_SKINCOMMAND && HandleSkinCommand(Message)) return;
  if (Message.Msg == WM_NCHITTEST && FTransparentForMouse) {
    Message.Result = HTTRANSPARENT;
    return;
  }
  if (Message.Msg == CM_INVALIDATE && BevelOuter() != FOldBevel) {
    FOldBevel = BevelOuter();
    FCommonData.UpdateIndexes();
  }
  if (FCommonData.Skinned()) {
    if (HandleSkinnedMessage(Message)) return;
    if (Message.Msg == WM_SETFOCUS || Message.Msg == WM_KILLFOCUS) return TCustomPanel::WndProc(Message);
  }
  if (FCommonData.CommonMessage(Message)) return;
  TCustomPanel::WndProc(Message);
  if (!FCommonData.Skinned()) return;
  switch (Message.Msg) {
    case WM_SETFONT:
      if (!Caption().empty()) {
        FCommonData.BGChanged = true;
        PaintNow();
      }
      break;
    case CM_ENABLEDCHANGED:
      FCommonData.Invalidate(false);
      break;
    default:
      break;
  }
}
