#include "controls/SkinnedLabel.h"

#include <algorithm>
#include <string_view>

#include "core/CommonData.h"
#include "core/ParentBackground.h"
#include "core/SkinText.h"
#include "framework/MessageParams.h"
#include "framework/WinControl.h"
#include "graphics/AlphaOps.h"
#include "graphics/DisabledLook.h"
#include "graphics/PixelFill.h"
#include "graphics/WorkBitmapDib.h"
#include "manager/SkinManager.h"
#include "paint/SkinPaint.h"
#include "skin/SkinData.h"

namespace {

constexpr char kEllipsis[] = "...";

}  // namespace

const TClassInfo& TsCustomLabel::StaticClassInfo() {
  static const TClassInfo info("TsCustomLabel", &TCustomLabel::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    c.String<TsCustomLabel>("SkinSection", &TsCustomLabel::SetSkinSection);
    c.Boolean<TsCustomLabel>("TransparentForMouse", &TsCustomLabel::SetTransparentForMouse);
  });
  return info;
}

const TClassInfo& TsLabel::StaticClassInfo() {
  static const TClassInfo info("TsLabel", &TsCustomLabel::StaticClassInfo(),
                               [](TComponent* owner) -> TComponent* { return new TsLabel(owner); },
                               [](TClassInfo& c) { c.Boolean<TsLabel>("UseSkinColor", &TsLabel::SetUseSkinColor); });
  return info;
}

TsCustomLabel::TsCustomLabel(TComponent* Owner) : TCustomLabel(Owner) {
  SetShowAccelChar(true);
  SetTransparent(true);
}

void TsCustomLabel::Loaded() {
  TCustomLabel::Loaded();
  if (Parent())
    TranspMode = static_cast<uint32_t>(
        SendSkinCommandToControl(Parent(), SM_SKINCOMMAND, MakeSkinCommand(SK_INIT_TRANSPARENCY), 0) >> 16);
  if (TsSkinManager* manager = Manager()) manager->UpdateFontName(this);
}

TsSkinManager* TsCustomLabel::Manager() const { return FSkinManager ? FSkinManager : DefaultManager(); }

bool TsCustomLabel::ManagerActive() const {
  TsSkinManager* manager = Manager();
  return manager && manager->IsActive();
}

void TsCustomLabel::SetSkinSection(const std::string& Value) {
  if (Value == FSkinSection) return;
  FSkinSection = Value;
  FSkinIndex = -1;
  Invalidate();
}

int32_t TsCustomLabel::SkinIndex() {
  if (!ManagerActive() || FSkinSection.empty()) return -1;
  if (FSkinIndex < 0) FSkinIndex = Manager()->GetSkinIndex(FSkinSection);
  return FSkinIndex;
}

TColor TsCustomLabel::TextColor() {
  TsSkinManager* manager = Manager();
  if (!ManagerActive()) return Enabled() ? Font().Color() : clGrayText;
  const TColor color = manager->GetGlobalFontColor();
  return Enabled() ? color : MixColors(color, manager->GetGlobalColor(), DisabledLookSettings().BlendValue);
}

void TsLabel::SetUseSkinColor(bool Value) {
  FUseSkinColor = Value;
  if (!ComponentState().Contains(TComponentStateItem::csLoading)) Invalidate();
}

TColor TsLabel::TextColor() {
  TColor color = ColorToRGB(Font().Color());
  if (FUseSkinColor && ManagerActive()) {
    TsSkinManager* manager = Manager();
    TacTextSourceQuery query{.State = 0, .SkinIndex = SkinIndex(), .Right = Width(), .Bottom = Height(),
                             .Manager = manager};
    const LRESULT answer = Perform(SM_SKINCOMMAND, MakeSkinCommand(SK_GET_TEXT_SOURCE), reinterpret_cast<LPARAM>(&query));
    if (answer == 0) {
      color = ColorToRGB(Parent() ? Parent()->Font().Color() : Font().Color());
    } else {
      TsSkinManager* source = query.Manager ? query.Manager : manager;
      const TacSkinData& skin = source->CommonSkinData();
      color = skin.IsValidSkinIndex(query.SkinIndex) ? skin.gd[static_cast<size_t>(query.SkinIndex)].Props[0].FontColor.Color
                                                     : source->GetGlobalFontColor();
    }
  }
  if (!Enabled()) color = MixColors(color, ParentColorOf(Parent()), DisabledLookSettings().BlendValue);
  return color;
}

std::string TsCustomLabel::CutToHeight(const std::string& Text, int32_t MaxHeight, int32_t LineHeight,
                                       const std::function<int32_t(const std::string&)>& Measure) {
  const int32_t limit = std::max(MaxHeight, LineHeight);
  std::string_view kept = Text;
  std::string shown = Text;
  while (Measure(shown) > limit) {
    const size_t cut = kept.find_last_of(" \t");
    // Nothing left to cut: the system's ellipsis has the last word.
    if (cut == std::string_view::npos || cut == 0) break;
    kept = kept.substr(0, cut);
    shown.clear();
    shown.append(kept);
    shown.append(kEllipsis, sizeof(kEllipsis) - 1);
  }
  return shown;
}

void TsCustomLabel::DoDrawText(RECT& Rect, UINT Flags) {
  const std::string caption = Caption();
  const bool measureBlank = (Flags & DT_CALCRECT) && (caption.empty() || (ShowAccelChar() && caption == "&"));
  std::string text = measureBlank ? std::string(1, ' ') : caption;
  if (!ShowAccelChar()) Flags |= DT_NOPREFIX;
  if (TranspMode == 2 && Transparent()) Flags |= acAlphaTextFlag;
  TCanvas& canvas = Canvas();
  canvas.Font().Assign(Font());
  if (EllipsisPosition() != TEllipsisPosition::epNone && !AutoSize() && WordWrap() &&
      EllipsisPosition() != TEllipsisPosition::epPathEllipsis && !(Flags & DT_CALCRECT)) {
    const int32_t dotsWidth = canvas.TextWidth(kEllipsis);
    const int32_t lineHeight = canvas.TextExtent("Wg").cy;
    text = CutToHeight(text, Height(), lineHeight, [&](const std::string& candidate) {
      RECT measured{Rect.left, Rect.top, Rect.right - dotsWidth, Rect.top};
      canvas.DrawText(candidate, measured, (Flags & ~acAlphaTextFlag) | DT_CALCRECT);
      return static_cast<int32_t>(measured.bottom - measured.top);
    });
  }
  canvas.Font().SetColor(TextColor());
  canvas.Brush.Style = TBrushStyle::bsClear;
  canvas.DrawText(text, Rect, Flags & ~acAlphaTextFlag);
}

void TsCustomLabel::Paint() {
  if (ComponentState().Contains(TComponentStateItem::csDestroying)) return;
  HDC dc = Canvas().Handle();
  const int32_t index = SkinIndex();
  if (index >= 0 && Parent()) {
    if (const std::optional<TacParentBG> background = BackgroundUnder(this)) {
      TacWorkBitmap image(Width(), Height());
      PaintSectionBackground(index, *background, 0, image.BoundsRect(), {0, 0}, image, Manager()->CommonSkinData(), -1,
                             -1, clFuchsia);
      GdiFlush();
      BitBlt(dc, 0, 0, Width(), Height(), WorkBitmapDC(image), 0, 0, SRCCOPY);
    }
  } else if (!Transparent()) {
    Canvas().Brush.Color = Color();
    Canvas().FillRect(ClientRect());
  }
  RECT rect = ClientRect();
  if (Layout() != TTextLayout::tlTop) {
    RECT measured = rect;
    DoDrawText(measured, DrawTextFlags() | DT_CALCRECT);
    const int32_t free = rect.bottom - measured.bottom;
    rect.top += Layout() == TTextLayout::tlCenter ? free / 2 : free;
  }
  DoDrawText(rect, DrawTextFlags());
  FSkinIndex = -1;
}

void TsCustomLabel::WndProc(TMessage& Message) {
  if (Message.Msg == CM_HITTEST && FTransparentForMouse) {
    Message.Result = 0;
    return;
  }
  if (Message.Msg == SM_SKINCOMMAND) {
    const bool destroying = ComponentState().Contains(TComponentStateItem::csDestroying);
    switch (SkinCommandOf(Message.WParam)) {
      case SK_SKIN_REMOVED:
        if (destroying) return;
        if (FSavedParentFont) SetParentFont(true);
        FSkinIndex = -1;
        Invalidate();
        return;
      case SK_REFRESH: {
        const int argument = SkinArgumentOf(Message.WParam);
        if ((argument == 0 || argument == FSkinIndex) && !destroying) {
          if (ParentFont()) FSavedParentFont = true;
          FSkinIndex = -1;
          Invalidate();
        }
        return;
      }
      case SK_FONT_CHANGED:
        if (TsSkinManager* manager = Manager()) manager->UpdateFontName(this);
        return;
      case SK_INIT_TRANSPARENCY:
        TranspMode = static_cast<uint32_t>(Message.LParam) >> 16;
        Message.Result = static_cast<LRESULT>((TranspMode << 16) + (static_cast<uint32_t>(Message.LParam) & 0xFFFFu));
        if (TranspMode == 2 && Transparent() && AutoSize()) AdjustBounds();
        return;
      case SK_GET_TEXT_SOURCE: {
        if (!ManagerActive() || !Parent() || !Message.LParam || !MayAnswerSkinCommand(Message)) return;
        auto& query = *reinterpret_cast<TacTextSourceQuery*>(Message.LParam);
        query.Left += Left();
        query.Top += Top();
        query.Right += Left();
        query.Bottom += Top();
        Message.Result = SendSkinCommandToControl(Parent(), SK_GET_TEXT_SOURCE, Message.LParam);
        return;
      }
      case SK_IS_ACTIVE:
        Message.Result = ManagerActive() || !ControlStyle.Contains(TControlStyleItem::csOpaque) ? 1 : 0;
        return;
      default:
        break;
    }
  }
  TCustomLabel::WndProc(Message);
}
