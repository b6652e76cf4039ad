// The common data's answers about what lies under a child: its image or
// colour for SK_GET_BG, and the colour for SK_GET_BG_COLOR.
#include <algorithm>

#include "base/WinHandles.h"
#include "core/CommonData.h"
#include "core/ParentBackground.h"
#include "framework/WinControl.h"
#include "graphics/PixelFill.h"
#include "graphics/WorkBitmapDib.h"
#include "manager/SkinManager.h"
#include "skin/SkinData.h"

namespace {

// With DrawNow the asker wants R of DrawDC painted from the cache at Offset.
void CopyCacheRect(const TacWorkBitmap& Cache, const TacBGQuery& Query) {
  if (!Query.DrawDC) return;
  GdiFlush();
  BitBlt(Query.DrawDC, Query.R.Left, Query.R.Top, Query.R.Width(), Query.R.Height(), WorkBitmapDC(Cache),
         Query.R.Left + Query.Offset.X, Query.R.Top + Query.Offset.Y, SRCCOPY);
}

void FillQueryRect(const TacBGQuery& Query) {
  if (!Query.DrawDC) return;
  const TacScopedBrush brush(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(Query.Color))));
  const RECT rect{Query.R.Left, Query.R.Top, Query.R.Right, Query.R.Bottom};
  FillRect(Query.DrawDC, &rect, brush.Get());
}

}  // namespace

bool TsCommonData::CacheReady() const {
  if (!FCacheBmp || FCacheBmp->Empty() || BGChanged) return false;
  // A provider's image is of its form's frame and client, not of the form's bounds.
  if (!FOwnerControl || FKind == ckProvider) return true;
  return FCacheBmp->Width() == FOwnerControl->Width() && FCacheBmp->Height() == FOwnerControl->Height();
}

bool TsCommonData::PrepareCacheNow() {
  if (FOwnerControl) SendSkinCommandToControl(FOwnerControl, SK_PREPARE_CACHE);
  return FCacheBmp && !FCacheBmp->Empty();
}

void TsCommonData::AnswerWithCache(TacBGQuery& Query) {
  Query.Kind = bgkImage;
  if (Query.DrawNow) {
    CopyCacheRect(*FCacheBmp, Query);
    return;
  }
  Query.Bmp = FCacheBmp.get();
  Query.Offset = {0, 0};
}

// Passes the query to the control under this one, which is transparent here.
void TsCommonData::PassBGQueryOn(TacBGQuery& Query) {
  const bool drawNow = Query.DrawNow;
  if (FOwnerControl && FOwnerControl->Parent()) {
    const TPoint position{FOwnerControl->Left(), FOwnerControl->Top()};
    // Drawing at once, the parent copies at the offset: it must hold this control's position already.
    if (drawNow) Query.Offset = {Query.Offset.X + position.X, Query.Offset.Y + position.Y};
    GetParentBG(Query, FOwnerControl->Parent(), drawNow);
    if (drawNow) return;
    Query.Offset = {Query.Offset.X + position.X, Query.Offset.Y + position.Y};
    if (Query.Bmp) {
      Query.FrameWidths.Left -= position.X;
      Query.FrameWidths.Top -= position.Y;
    }
    return;
  }
  if (FSWHandle && GetParent(FSWHandle)) {
    const HWND parent = GetParent(FSWHandle);
    RECT bounds{};
    GetWindowRect(FSWHandle, &bounds);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&bounds), 2);
    if (drawNow) Query.Offset = {Query.Offset.X + bounds.left, Query.Offset.Y + bounds.top};
    GetParentBGOfWindow(Query, parent, drawNow, this);
    if (!drawNow) Query.Offset = {Query.Offset.X + bounds.left, Query.Offset.Y + bounds.top};
    return;
  }
  const TsSkinManager* manager = GetSkinManager();
  Query.Kind = bgkColor;
  Query.Color = manager ? manager->GetGlobalColor() : ColorToRGB(clBtnFace);
  if (drawNow) FillQueryRect(Query);
}

void TsCommonData::GetBGInfo(TacBGQuery& Query, int32_t State) {
  if (Query.DrawNow) {
    if (BGChanged && FOwnerControl) PrepareCacheNow();
    if (CacheReady()) return AnswerWithCache(Query);
  }
  const TsGeneralData* section = Skinned() && !FCustomColor ? Section() : nullptr;
  if (!section) {
    Query.Bmp = nullptr;
    Query.Kind = bgkColor;
    Query.Color = FOwnerControl ? ColorToRGB(FOwnerControl->Color()) : ColorToRGB(clBtnFace);
    if (Query.DrawNow) FillQueryRect(Query);
    return;
  }
  const TacSkinData& skin = *GetCommonSkinData();
  const TsGenState& props = section->Props[static_cast<size_t>(PropsState(*section, State))];
  const int32_t transparency = props.Transparency;

  if (transparency == 100) {
    if (!FCacheBmp) return PassBGQueryOn(Query);
    if (BGChanged) PrepareCacheNow();
    if (BGChanged || !FCacheBmp || FCacheBmp->Empty()) {
      Query.Bmp = nullptr;
      Query.Kind = bgkColor;
      Query.Offset = {0, 0};
      Query.Color = GetBGColor(0);
      if (Query.DrawNow) FillQueryRect(Query);
      return;
    }
    return AnswerWithCache(Query);
  }

  if (transparency > 0) {
    // Without a cache the nearest plain answer is the mixed colour, not a key colour.
    if (!FCacheBmp) {
      Query.Kind = bgkColor;
      Query.Color = GetBGColor(State);
      if (Query.DrawNow) FillQueryRect(Query);
      return;
    }
    if (BGChanged || FCacheBmp->Empty()) PrepareCacheNow();
    if (!FCacheBmp || FCacheBmp->Empty()) {
      FUpdating = true;
      Query.Kind = bgkNotReady;
      return;
    }
    return AnswerWithCache(Query);
  }

  TsSkinManager* manager = GetSkinManager();
  const bool outerAllowed = manager && manager->Effects().AllowOuterEffects();
  const bool plain = props.GradientPercent == 0 && props.ImagePercent == 0 && section->ImgTL < 0 &&
                     section->ImgTR < 0 && section->ImgBL < 0 && section->ImgBR < 0 && !outerAllowed;
  if (plain) {
    Query.Bmp = nullptr;
    Query.Kind = bgkColor;
    Query.Color = GetBGColor(State);
    if (skin.IsValidImgIndex(section->BorderIndex) &&
        !(skin.ma[static_cast<size_t>(section->BorderIndex)].DrawMode & dmStretch) && FCacheBmp) {
      if (BGChanged || FCacheBmp->Empty()) PrepareCacheNow();
      if (FCacheBmp && !FCacheBmp->Empty()) {
        const TsMaskData& border = skin.ma[static_cast<size_t>(section->BorderIndex)];
        Query.FrameWidths = {border.WL, border.WT, border.WR, border.WB};
        Query.Bmp = FCacheBmp.get();
        Query.Offset = {0, 0};
      }
    }
    if (Query.DrawNow) FillQueryRect(Query);
    return;
  }

  Query.Color = manager ? manager->GetGlobalColor() : ColorToRGB(clBtnFace);
  if (!CacheReady()) {
    BGChanged = true;
    ClearCache();
    PrepareCacheNow();
    if (!FCacheBmp || FCacheBmp->Empty()) {
      Query.Kind = bgkNotReady;
      return;
    }
  }
  AnswerWithCache(Query);
}

TColor TsCommonData::GetBGColor(int32_t State) {
  if (!Skinned()) return FOwnerControl ? ColorToRGB(FOwnerControl->Color()) : ColorToRGB(clBtnFace);
  const TsGeneralData& section = *Section();
  const size_t k = State > 0 && section.States > 1 ? 1 : 0;
  const TColor own = ColorToRGB(section.Props[k].Color);
  const int32_t transparency = section.Props[k].Transparency;
  if (transparency <= 0) return FCustomColor && FOwnerControl ? ColorToRGB(FOwnerControl->Color()) : own;
  TColor parent = own;
  if (FOwnerControl && FOwnerControl->Parent())
    parent = ParentColorOf(FOwnerControl->Parent());
  else if (FSWHandle && GetParent(FSWHandle))
    parent = static_cast<TColor>(SendSkinCommand(GetParent(FSWHandle), SK_GET_BG_COLOR));
  else if (transparency < 100)
    parent = ColorToRGB(clBtnFace);
  if (transparency >= 100) return parent;
  return MixColors(parent, own, transparency * 255 / 100);
}

TColor TsCommonData::BackgroundColorAnswer() {
  if (!Skinned()) return ColorToRGB(FOwnerControl->Color());
  const TsGenState& normal = Section()->Props[0];
  const TColor own = ColorToRGB(normal.Color);
  if (normal.Transparency <= 0) return own;
  TWinControl* parent = FOwnerControl->Parent();
  TColor under = ColorToRGB(FOwnerControl->Color());
  if (parent) {
    const bool skinAware = parent->HandleAllocated() && IsSkinAwareWindow(parent->Handle());
    under = normal.Transparency >= 100 && !skinAware ? ColorToRGB(parent->Color()) : ParentColorOf(parent);
  }
  if (normal.Transparency >= 100) return under;
  return MixColors(under, own, normal.Transparency * 255 / 100);
}
