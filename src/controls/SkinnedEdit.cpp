#include "controls/SkinnedEdit.h"

#include "base/StrUtils.h"
#include "base/WinHandles.h"
#include "controls/CacheCanvas.h"
#include "core/ControlPaint.h"
#include "core/ParentBackground.h"
#include "core/SkinText.h"
#include "core/StateFade.h"
#include "framework/MessageParams.h"
#include "graphics/AlphaOps.h"
#include "graphics/PixelFill.h"
#include "manager/SkinManager.h"
#include "paint/SkinPaint.h"
#include "skin/SkinData.h"

namespace {

// The weight of the text colour in a faded text hint.
constexpr int32_t kTextHintWeight = 148;

}  // namespace

const TClassInfo& TsEdit::StaticClassInfo() {
  static const TClassInfo info("TsEdit", &TEdit::StaticClassInfo(),
                               [](TComponent* owner) -> TComponent* { return new TsEdit(owner); },
                               [](TClassInfo& c) { c.Object<TsEdit, TsCtrlSkinData>("SkinData", &TsEdit::SkinData); });
  return info;
}

TsEdit::TsEdit(TComponent* Owner) : TEdit(Owner), FCommonData(this, true, ckEdit) {
  FCommonData.FadeSparesFocusedClient = true;
}

TsEdit::~TsEdit() { Destroying(); }

void TsEdit::Loaded() {
  TEdit::Loaded();
  FCommonData.Loaded(true);
  if (HandleAllocated())
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TsEdit::SetDisabledKind(TsDisabledKind Value) {
  FDisabledKind = Value;
  FCommonData.Invalidate(false);
}

bool TsEdit::ShowTextHint() { return Text().empty() && !TextHint().empty(); }

TRect TsEdit::TextRect() const {
  const int32_t w = FrameWidth();
  const int32_t single = BorderStyle() == TBorderStyle::bsSingle ? 1 : 0;
  return {w + single, w + single, Width() - w - 1, Height() - w};
}

std::string TsEdit::ShownText() {
  const std::string text = Text();
  if (!PasswordChar()) return text;
  // The black circle stands in for the classic asterisk.
  const wchar_t shown = PasswordChar() == L'*' ? L'\u25CF' : PasswordChar();
  return WideToUtf8(std::wstring(Utf8ToWide(text).size(), shown));
}

bool TsEdit::PrepareCache() {
  TacWorkBitmap& cache = *FCommonData.FCacheBmp;
  cache.EnsureSize(Width(), Height());
  if (!FCommonData.Skinned()) {
    cache.Fill(PixelOfColor(ColorToRGB(Color())) | 0xFF000000u);
    return true;
  }
  const std::optional<TacParentBG> background = BackgroundUnder(this);
  if (!background) {
    FCommonData.FUpdating = true;
    return false;
  }
  const int32_t state = FCommonData.CtrlState();
  if (BorderStyle() == TBorderStyle::bsSingle)
    PaintControlSection(&FCommonData, *background, true, &cache, {0, 0}, cache.BoundsRect(), state);
  else
    PaintSectionBackground(FCommonData.SkinIndex, *background, state, cache.BoundsRect(), {0, 0}, cache,
                           *FCommonData.GetCommonSkinData(), -1, -1, clFuchsia);
  PaintText();
  if (!Enabled()) ApplyDisabledLook(cache, FDisabledKind, ParentColorOf(Parent()), {0, 0}, *background);
  FCommonData.BGChanged = false;
  return true;
}

void TsEdit::PaintText() {
  TacWorkBitmap& cache = *FCommonData.FCacheBmp;
  TacCacheCanvas canvas(cache, Font());
  TRect rect = TextRect();
  const bool alpha = FCommonData.TranspMode == 2;
  if (alpha) rect.Left -= 2;
  UINT flags = DT_EXPANDTABS | DT_SINGLELINE | DT_NOPREFIX;
  flags |= Alignment() == TAlignment::taCenter         ? DT_CENTER
           : Alignment() == TAlignment::taRightJustify ? DT_RIGHT
                                                       : DT_LEFT;
  if (alpha) flags |= acAlphaTextFlag;
  const int32_t state = FCommonData.CtrlState();
  if (ShowTextHint()) {
    if (Focused()) return;
    const TColor text = FCommonData.TextColor(state, false);
    canvas.Canvas().Font().SetColor(alpha ? text : MixColors(text, FCommonData.GetBGColor(state), kTextHintWeight));
    DrawSkinText(canvas.Canvas().Handle(), TextHint(), rect, &cache, flags);
  } else {
    WriteControlText(canvas.Canvas(), ShownText(), true, false, state, FCommonData, flags, rect);
  }
  if (FCommonData.TranspMode == 1) SetAlphaRect(cache, rect, 255, {}, clNone);
}

void TsEdit::PaintWindowFromCache(HDC DC, bool ClientOnly) {
  const bool fading = FCommonData.IsAnimating();
  if (!fading && FCommonData.BGChanged && !PrepareCache()) {
    FCommonData.FUpdating = true;
    return;
  }
  const TacWorkBitmap& cache = fading ? *FCommonData.AnimTimer->BmpOut : *FCommonData.FCacheBmp;
  GdiFlush();
  if (ClientOnly) {
    // The client area starts inside the frame.
    const RECT client = ClientRectInWindow();
    const int32_t x = client.left;
    const int32_t y = client.top;
    BitBlt(DC, 0, 0, cache.Width() - x, cache.Height() - y, WorkBitmapDC(cache), x, y, SRCCOPY);
    return;
  }
  BitBlt(DC, 0, 0, cache.Width(), cache.Height(), WorkBitmapDC(cache), 0, 0, SRCCOPY);
}

void TsEdit::PaintFrame() {
  if (!HandleAllocated() || FCommonData.CheckUpdating()) return;
  if (!FCommonData.IsAnimating() && FCommonData.BGChanged && !PrepareCache()) {
    FCommonData.FUpdating = true;
    return;
  }
  const TacWindowDC dc(Handle(), true);
  const RECT client = ClientRectInWindow();
  // Only the frame strips: the client area is the system's or WM_PAINT's.
  ExcludeClipRect(dc.Get(), client.left, client.top, client.right, client.bottom);
  PaintWindowFromCache(dc.Get(), false);
}

void TsEdit::RepaintAll() {
  FCommonData.BGChanged = true;
  if (HandleAllocated())
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
}

void TsEdit::FocusChanged(bool CacheWasValid) {
  if (!HandleAllocated()) return;
  if (!CacheWasValid) {
    RepaintAll();
    return;
  }
  // The cache still holds the look of the old state: the fade starts from it.
  FCommonData.BGChanged = false;
  ChangeState(&FCommonData, FCommonData.CtrlState(), FadeStep, false, false, true);
  // Focused, the system paints the client with its caret.
  if (Focused()) InvalidateRect(Handle(), nullptr, TRUE);
}

bool TsEdit::HandleSkinCommand(TMessage& Message) {
  TsSkinManager* manager = FCommonData.GetSkinManager();
  switch (SkinCommandOf(Message.WParam)) {
    case SK_SKIN_REMOVED:
      FCommonData.CommonSkinCommand(Message);
      if (HandleAllocated())
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return true;
    case SK_REFRESH:
      FCommonData.CommonSkinCommand(Message);
      if (HandleAllocated() && IsWindowVisible(Handle())) RepaintAll();
      return true;
    case SK_GET_DEFAULT_INDEX:
      Message.Result = manager ? manager->GetSkinIndex("EDIT") + 1 : 0;
      return true;
    case SK_BG_VARIES:
      Message.Result = 0;
      return true;
    case SK_GET_BG_COLOR:
      if (FCommonData.Skinned()) return FCommonData.CommonSkinCommand(Message);
      Message.Result = static_cast<LRESULT>(ColorToRGB(Color()));
      return true;
    case SK_PREPARE_CACHE:
      Message.Result = PrepareCache() ? 0 : 1;
      return true;
    case SK_GET_DEFAULT_KIND:
      Message.Result = 1;
      return true;
    default:
      return FCommonData.CommonSkinCommand(Message);
  }
}

bool TsEdit::HandleSkinnedMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT: {
      if (FCommonData.CheckUpdating()) {
        ValidateRect(Handle(), nullptr);
        Message.Result = 0;
        return true;
      }
      if (Enabled() && Focused()) return false;
      PAINTSTRUCT paint{};
      HDC dc = MessageDC(Message);
      const bool own = dc == nullptr;
      if (own) dc = BeginPaint(Handle(), &paint);
      FCommonData.BGChanged = FCommonData.BGChanged || FCommonData.HalfVisible;
      if (Parent()) {
        const RECT inner = Parent()->ClientRect();
        const RECT bounds = BoundsRect();
        FCommonData.HalfVisible = bounds.left < inner.left || bounds.top < inner.top || bounds.right > inner.right ||
                                  bounds.bottom > inner.bottom;
      }
      PaintWindowFromCache(dc, true);
      if (own) EndPaint(Handle(), &paint);
      Message.Result = 0;
      return true;
    }
    case WM_NCPAINT:
      PaintFrame();
      Message.Result = 0;
      return true;
    case WM_ERASEBKGND:
      if (!FCommonData.CheckUpdating() && Enabled() && Focused()) return false;
      Message.Result = 1;
      return true;
    case WM_PRINT:
    case WM_PRINTCLIENT:
      // A print of the client alone leaves the frame to the caller.
      FCommonData.FUpdating = false;
      if (MessageDC(Message)) {
        FCommonData.BGChanged = true;
        PaintWindowFromCache(MessageDC(Message), Message.Msg == WM_PRINTCLIENT);
      }
      Message.Result = 0;
      return true;
    case CM_COLORCHANGED:
      if (FCommonData.CustomColor()) FCommonData.BGChanged = true;
      return false;
    default:
      return false;
  }
}

void TsEdit::WndProc(TMessage& Message) {
  if (Message.Msg == SM_SKINCOMMAND && HandleSkinCommand(Message)) return;
  const bool skinned = FCommonData.Skinned();
  if (skinned && HandleSkinnedMessage(Message)) return;
  const bool cacheWasValid = !FCommonData.BGChanged;
  if (!FCommonData.CommonMessage(Message)) TEdit::WndProc(Message);
  if (!skinned) return;
  const bool loading = ComponentState().Contains(TComponentStateItem::csLoading);
  switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (!loading && FCommonData.RedrawLockCount == 0) FocusChanged(cacheWasValid);
      break;
    case WM_SETTEXT:
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
      if (!loading && FCommonData.RedrawLockCount == 0) RepaintAll();
      break;
    case WM_SETFONT:
      FCommonData.Invalidate(false);
      break;
    default:
      break;
  }
}
