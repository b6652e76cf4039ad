// The colours a control takes from its section, and the section its text
// takes its colour from.
#include <algorithm>

#include "core/CommonData.h"
#include "core/ParentBackground.h"
#include "framework/WinControl.h"
#include "graphics/ColorTransforms.h"
#include "graphics/PixelFill.h"
#include "manager/SkinManager.h"
#include "skin/SkinData.h"

namespace {

// The section colour with the data's hue offset and saturation.
TColor Shifted(TColor Color, int32_t HueOffset, int32_t Saturation) {
  if (HueOffset != 0) Color = HueColor(Color, HueOffset);
  if (Saturation != 0) Color = SaturationColor(Color, Saturation * 256 / 100);
  return Color;
}

}  // namespace

void TsCommonData::SetOwnerColors(int32_t State, bool& Changed) {
  const TsGeneralData* section = Section();
  if (!section || !FOwnerControl) return;
  const TsGenState& props = section->Props[static_cast<size_t>(PropsState(*section, State))];
  if (!FCustomColor) {
    const TColor color = Shifted(props.Color, FHUEOffset, FSaturation);
    if (FOwnerControl->Color() != color) {
      if (SavedColor == clNone) SavedColor = FOwnerControl->Color();
      FOwnerControl->SetColor(color);
      Changed = true;
    }
  }
  if (!FCustomFont) {
    const TColor color = Shifted(props.FontColor.Color, FHUEOffset, FSaturation);
    TFont& font = FOwnerControl->Font();
    if (font.Color() != color) {
      if (SavedFontColor == clNone) SavedFontColor = font.Color();
      // Only the colour changes: the window keeps its font object.
      std::function<void()> onChange = std::exchange(font.OnChange, nullptr);
      font.SetColor(color);
      font.OnChange = std::move(onChange);
      Changed = true;
    }
  }
}

void TsCommonData::UpdateColors(bool Repaint) {
  TWinControl* windowed = OwnerWindowed();
  if (!FOwnerControl || !Section() || (windowed && !windowed->HandleAllocated())) return;
  if (Skinned()) {
    CtrlSkinState |= csFontChanging;
    const TsGeneralData& section = *Section();
    if (KindColorsFollowSection(FKind) &&
        !(section.Props[0].Transparency == 100 && section.Props[1].Transparency == 100)) {
      bool changed = false;
      SetOwnerColors(0, changed);
    }
    CtrlSkinState &= ~csFontChanging;
  }
  if (Repaint) Invalidate(true);
}

void TsCommonData::ApplyStateColors(bool NoLock) {
  if (!Section() || !FOwnerControl) return;
  TWinControl* windowed = OwnerWindowed();
  const bool lock = !NoLock && windowed && windowed->HandleAllocated() && windowed->Visible();
  if (lock) SendMessageW(windowed->Handle(), WM_SETREDRAW, FALSE, 0);
  CtrlSkinState |= csFontChanging;
  bool changed = false;
  SetOwnerColors(CtrlState(), changed);
  CtrlSkinState &= ~csFontChanging;
  if (lock) SendMessageW(windowed->Handle(), WM_SETREDRAW, TRUE, 0);
}

TColor TsCommonData::BackgroundColorForText() {
  if (FOwnerControl && Skinned() && !FCustomColor && FOwnerControl->Parent())
    return ParentColorOf(FOwnerControl->Parent());
  return FOwnerControl ? ColorToRGB(FOwnerControl->Color()) : ColorToRGB(clBtnFace);
}

TColor TsCommonData::TextColor(int32_t State, bool ForBackground) {
  TColor color = FOwnerControl ? FOwnerControl->Font().Color() : clWindowText;
  if (Skinned() && !FCustomFont) {
    TacTextSourceQuery query;
    query.State = State;
    if (FOwnerControl) {
      query.Right = FOwnerControl->Width();
      query.Bottom = FOwnerControl->Height();
    }
    const bool found = FindTextSource(query) == 1;
    const bool otherManager = found && query.Manager && query.Manager != GetSkinManager();
    const TacSkinData* skin = otherManager ? &query.Manager->CommonSkinData(CurrentPPI) : GetCommonSkinData();
    const int32_t index = found ? query.SkinIndex : SkinIndex;
    if (skin && skin->IsValidSkinIndex(index)) {
      const TsGeneralData& section = skin->gd[static_cast<size_t>(index)];
      color = section.Props[static_cast<size_t>(PropsState(section, State))].FontColor.Color;
    }
  }
  color = ColorToRGB(color);
  return ForBackground ? color : MixColors(color, BackgroundColorForText(), 148);
}

// The state's mask pixel decides for images whose centre is drawn. The
// frame and the pixel are kept inside the element and its image, whatever
// the section's States and the element's frame count say.
bool TsCommonData::IsTextTransparent(int32_t State) {
  if (FCustomFont || !FOwnerControl || !FOwnerControl->Parent()) return false;
  const TsGeneralData* section = Section();
  if (!section) return false;
  const TacSkinData& skin = *GetCommonSkinData();
  const int32_t state = PropsState(*section, State);
  if (section->Props[static_cast<size_t>(state)].Transparency <= 50 || !skin.IsValidImgIndex(section->BorderIndex))
    return false;
  const TsMaskData& mask = skin.ma[static_cast<size_t>(section->BorderIndex)];
  const bool drawsCentre = (mask.DrawMode & dmDrawCentre) != 0;
  if (!drawsCentre || (state == 0 && (mask.DrawMode & dmHiddenInState0))) return true;
  if (mask.MaskType == 0) return false;
  const TacWorkBitmap* image = mask.Bmp ? mask.Bmp : skin.MasterBitmap;
  if (!image || image->Empty() || mask.R.IsEmpty()) return false;
  const int32_t frame = std::clamp<int32_t>(state, 0, std::max<int32_t>(mask.ImageCount, 1) - 1);
  const int64_t centreX = int64_t{mask.R.Left} + int64_t{frame} * mask.Width + mask.Width / 2;
  const int64_t centreY = int64_t{mask.R.Bottom} - mask.Height / 2;
  const int64_t x = std::clamp<int64_t>(centreX, std::max(mask.R.Left, 0), std::min(mask.R.Right, image->Width()) - 1);
  const int64_t y = std::clamp<int64_t>(centreY, std::max(mask.R.Top, 0), std::min(mask.R.Bottom, image->Height()) - 1);
  if (x < 0 || y < 0 || x >= image->Width() || y >= image->Height()) return false;
  return Blue(image->Pixel(static_cast<int32_t>(x), static_cast<int32_t>(y))) > 127;
}

LRESULT TsCommonData::FindTextSource(TacTextSourceQuery& Query) {
  if (!Skinned()) return 0;
  if (!IsTextTransparent(Query.State)) {
    Query.SkinIndex = SkinIndex;
    Query.Manager = GetSkinManager();
    return 1;
  }
  if (FOwnerControl) {
    TWinControl* parent = FOwnerControl->Parent();
    if (!parent) return 0;
    Query.Left += FOwnerControl->Left();
    Query.Top += FOwnerControl->Top();
    Query.Right += FOwnerControl->Left();
    Query.Bottom += FOwnerControl->Top();
    return SendSkinCommandToControl(parent, SK_GET_TEXT_SOURCE, reinterpret_cast<LPARAM>(&Query));
  }
  if (!FSWHandle) return 0;
  const HWND parent = GetParent(FSWHandle);
  if (!parent) return 0;
  RECT bounds{};
  GetWindowRect(FSWHandle, &bounds);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&bounds), 2);
  Query.Left += bounds.left;
  Query.Top += bounds.top;
  Query.Right += bounds.left;
  Query.Bottom += bounds.top;
  return SendSkinCommand(parent, SK_GET_TEXT_SOURCE, reinterpret_cast<LPARAM>(&Query));
}
