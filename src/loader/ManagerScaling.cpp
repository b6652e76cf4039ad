#include "loader/ManagerScaling.h"

#include "base/StrUtils.h"
#include "skin/SkinOptions.h"

int32_t TacScaling::GetScale() const {
  if (Designing) return 0;
  switch (Mode) {
    case smAuto: return SysFontScale;
    case sm100: return 0;
    case sm125: return 1;
    case sm150: return 2;
    case sm200: return 3;
    default: return 0;
  }
}

int32_t TacScaling::ScaleInt(int32_t Value, int32_t SysScale) const {
  if (Mode == smCustomPPI) return MulDivRounded(Value, PixelsPerInch, 96);
  if (Mode == smOldMode) return Value;
  switch (SysScale == -1 ? GetScale() : SysScale) {
    case 1: return Value + Value / 4;
    case 2: return Value + Value / 2;
    case 3: return 2 * Value;
    default: return Value;
  }
}

int32_t TacScaling::SlotOfPPI(int32_t PPI) const {
  return Mode == smVCL && !Designing ? ScaleIndexOfPPI(PPI) : 0;
}

std::vector<int32_t> TacScaling::SelectionPPIs(int32_t CurrentPPI) const {
  switch (Mode) {
    case smVCL:
      if (CurrentPPI != 96) return {96, CurrentPPI};
      return {96};
    case smCustomPPI: return {PixelsPerInch};
    default: return {acScalePPI[GetScale()]};
  }
}
