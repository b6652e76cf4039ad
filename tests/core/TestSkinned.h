#pragma once
// A windowed test control painted from its skin section the way the skinned
// controls are, and a skin manager holding the stored skin and a few sections
// of the fixture's own. Used by the core's tests and its benchmark.
#include <memory>
#include <string>

#include "core/CommonData.h"
#include "framework/WinControl.h"
#include "manager/SkinManager.h"

// A control with common skin data whose cache is its section over the
// parent's background, followed by its children's outer effects.
class TestSkinned : public TCustomControl {
 public:
  TestSkinned(TWinControl* Parent, uint8_t Kind, const std::string& Section, TRect Bounds);
  ~TestSkinned() override;

  // The way a skinned control answers SK_PREPARE_CACHE: false (and deferred)
  // while the parent's image is not ready, or while Ready is false.
  bool PrepareCache();
  void WndProc(TMessage& message) override;

  TsCtrlSkinData Data;
  std::string DefaultSection;
  bool Ready = true;
  int Paints = 0;
  int EndUpdates = 0;
};

// A manager with the stored skin selected and the sections below added.
std::unique_ptr<TsSkinManager> MakeFixtureManager();
// The same for a manager made elsewhere (one that a form owns).
void LoadFixtureSkin(TsSkinManager& manager);

// Sections the fixture adds to the stored skin.
inline constexpr char kGradientPanel[] = "GRADPANEL";  // opaque, a vertical red to blue gradient
inline constexpr char kSeeThrough[] = "SEETHRU";       // fully transparent, a border image without centre
inline constexpr char kHalfWhite[] = "HALFWHITE";      // white at transparency 50
inline constexpr char kBlackPanel[] = "BLACKPANEL";    // plain black
inline constexpr char kShadowed[] = "SHADOWED";        // white with a black shadow 6 pixels around it
inline constexpr char kFourStates[] = "FOURSTATES";    // white, green when hot, red pressed, blue as default
