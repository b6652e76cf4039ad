#pragma once
#include <cstdint>
#include <vector>

// How the skin follows the screen resolution.
enum TacScaleMode { smVCL, smOldMode, smAuto, sm100, sm125, sm150, sm200, smCustomPPI };

// The manager's scale rules: which scale index lengths use, how a length is
// scaled, and which skin data slot serves a resolution.
struct TacScaling {
  TacScaleMode Mode = smVCL;
  int32_t PixelsPerInch = 96;  // the target of smCustomPPI
  int32_t SysFontScale = 0;    // the scale index of the screen when the manager was made
  bool Designing = false;

  int32_t GetScale() const;
  // SysScale -1 takes GetScale().
  int32_t ScaleInt(int32_t Value, int32_t SysScale = -1) const;
  // One slot per scale index in smVCL, else the single slot 0.
  int32_t SlotOfPPI(int32_t PPI) const;
  // The resolutions a skin selection loads, slot 0's first.
  std::vector<int32_t> SelectionPPIs(int32_t CurrentPPI) const;
};
