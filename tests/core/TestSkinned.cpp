#include "TestSkinned.h"

#include "base/FileUtils.h"
#include "core/ControlPaint.h"
#include "core/OuterEffects.h"
#include "core/ParentBackground.h"

namespace {

constexpr char kFixtureSections[] =
    "[GRADPANEL]\nSTATES=1\nCOLOR=8421504\nFONTCOLOR=65535\nGRADIENTPERCENT=100\n"
    "GRADIENTDATA=255;0;0;16711680;100;0;B\n"
    "[SEETHRU]\nSTATES=3\nTRANSPARENCY=100\nHOTTRANSPARENCY=100\nTRANSPARENCY2=100\nFONTCOLOR=255\n"
    "BORDERSMASK=^0144^0048^0264^0071^0006^0005^0006^0005^4^0^1\n"
    "[HALFWHITE]\nSTATES=1\nCOLOR=16777215\nTRANSPARENCY=50\n"
    "[FOURSTATES]\nSTATES=4\nUSESTATE2=1\nCOLOR=16777215\nHOTCOLOR=65280\nCOLOR2=255\nCOLOR3=16711680\n"
    "[BLACKPANEL]\nSTATES=1\nCOLOR=0\nFONTCOLOR=16777215\n"
    "[SHADOWED]\nSTATES=1\nCOLOR=16777215\nOUTERMODE=3\nOUTOFFSL=6\nOUTOFFST=6\nOUTOFFSR=6\nOUTOFFSB=6\n"
    "OUTBLUR=4\nOUTRADIUS=4\nOUTCOLL=0\nOUTOPACITY=255\n"
    "[ROUNDFORM]\nSTATES=2\nCOLOR=16316149\nHOTCOLOR=16316149\nBORDERWIDTH=1\nBORDERRADIUS=8\n"
    "BORDERCOLOR0=8421504\nBORDERCOLOR1=8421504\n";

}  // namespace

TestSkinned::TestSkinned(TWinControl* Parent, uint8_t Kind, const std::string& Section, TRect Bounds)
    : TCustomControl(Parent), Data(this, true, Kind), DefaultSection(Section) {
  SetParent(Parent);
  SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
  Data.Loaded(false);
}

TestSkinned::~TestSkinned() { Destroying(); }

bool TestSkinned::PrepareCache() {
  TacWorkBitmap& cache = *Data.FCacheBmp;
  const std::optional<TacParentBG> background = Ready ? BackgroundUnder(this) : std::nullopt;
  if (!background) {
    Data.FUpdating = true;
    cache.SetSize(0, 0);
    return false;
  }
  // A new DIB section per paint would cost more than the painting.
  cache.EnsureSize(Width(), Height());
  PaintControlSection(&Data, *background, true, &cache, {0, 0}, cache.BoundsRect(), Data.CtrlState());
  PaintOuterEffects(this, {0, 0});
  Data.BGChanged = false;
  return true;
}

void TestSkinned::WndProc(TMessage& message) {
  if (message.Msg == SM_SKINCOMMAND) {
    switch (SkinCommandOf(message.WParam)) {
      case SK_PREPARE_CACHE:
        message.Result = PrepareCache() ? 0 : 1;
        return;
      case SK_GET_DEFAULT_INDEX: {
        TsSkinManager* skinManager = Data.GetSkinManager();
        message.Result = skinManager ? skinManager->GetSkinIndex(DefaultSection) + 1 : 0;
        return;
      }
      case SK_GET_DEFAULT_KIND:
        message.Result = Data.FKind == ckButton ? 2 : Data.FKind == ckPanel ? 12 : 0;
        return;
      case SK_END_UPDATE:
        ++EndUpdates;
        return;
      default:
        break;
    }
  }
  switch (message.Msg) {
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      BeginPaint(Handle(), &paint);
      if (!Data.CheckUpdating()) {
        if (Data.BGChanged || !Data.FCacheBmp || Data.FCacheBmp->Empty()) PrepareCache();
        if (Data.FCacheBmp && !Data.FCacheBmp->Empty()) ++Paints;
      }
      EndPaint(Handle(), &paint);
      message.Result = 0;
      return;
    }
    default:
      break;
  }
  if (Data.CommonMessage(message)) return;
  TCustomControl::WndProc(message);
}

void LoadFixtureSkin(TsSkinManager& manager) {
  manager.SetCommonSections(kFixtureSections);
  auto& item = dynamic_cast<TsStoredSkinItem&>(manager.InternalSkins().Add());
  item.Skin().Name = "Orvale (internal)";
  item.SetData(ReadFileBytes(std::string(ORVALE_ROOT) + "/Orvale.asz"));
  manager.SetSkinName("Orvale (internal)");
}

std::unique_ptr<TsSkinManager> MakeFixtureManager() {
  RegisterClass(TsSkinManager::StaticClassInfo());
  auto manager = std::make_unique<TsSkinManager>(nullptr);
  LoadFixtureSkin(*manager);
  return manager;
}
