#include "SkinReport.h"

#include <ostream>
#include <utility>

#include "base/Exception.h"
#include "base/FileUtils.h"
#include "base/StrUtils.h"
#include "loader/OpenedSkin.h"
#include "skin/SkinData.h"

namespace {

void Record(std::ostream& out, std::initializer_list<std::string> fields) {
  bool first = true;
  for (const std::string& field : fields) {
    out << (first ? "" : "\t") << field;
    first = false;
  }
  out << '\n';
}

std::string N(int64_t value) { return std::to_string(value); }

}  // namespace

void InspectSkin(const std::string& Skin, int PPI, std::ostream& out) {
  const auto skin = TacOpenedSkin::FromPath(Skin, PPI, {.ExtendedBorders = true});
  const TMemIniFile& options = skin->Options();
  TacSkinData& data = skin->Data();

  for (size_t i = 0; i < data.gd.size(); ++i) {
    const TsGeneralData& d = data.gd[i];
    Record(out, {"section", N(static_cast<int64_t>(i)), d.ClassName, d.ParentClass, N(d.States)});
  }
  for (int slot = 0; slot < acSectionCount; ++slot)
    Record(out, {"slot", N(slot), acSectionNames[static_cast<size_t>(slot)], N(data.Sections[static_cast<size_t>(slot)])});
  for (size_t i = 0; i < data.ma.size(); ++i) {
    const TsMaskData& m = data.ma[i];
    // Generated images have no reference in the options.
    const auto variant = FindElementVariant(options, m.ClassName, m.PropertyName, data.PPI, data.ScaleValue);
    const std::string normalized = variant ? NormalizeElementReference(UpperCase(variant->Value)) : std::string();
    Record(out, {"element", N(static_cast<int64_t>(i)), m.ClassName, m.PropertyName, normalized, N(m.ImageCount),
                 N(m.MaskType), N(m.ImgType), N(m.DrawMode), N(m.WL), N(m.WT), N(m.WR), N(m.WB), N(m.Width),
                 N(m.Height), N(m.MulPPi), N(m.DivPPI)});
  }
  const std::pair<const char*, int64_t> metrics[] = {
      {"PPI", data.PPI},
      {"ScaleValue", data.ScaleValue},
      {"ScalePercent", data.ScalePercent},
      {"Spacing", data.Spacing},
      {"LineWidth", data.LineWidth},
      {"ArrowSize", data.ArrowSize},
      {"SmallArrowSize", data.SmallArrowSize},
      {"ScrollBtnLength", data.ScrollBtnLength},
      {"Shadow1Blur", data.Shadow1Blur},
      {"Shadow1Offset", data.Shadow1Offset},
      {"Shadow1Transparency", data.Shadow1Transparency},
      {"ExBorderWidth", data.ExBorderWidth},
      {"ExTitleHeight", data.ExTitleHeight},
      {"ExMaxHeight", data.ExMaxHeight},
      {"ExContentOffs", data.ExContentOffs},
      {"ExCenterOffs", data.ExCenterOffs},
      {"ExShadowOffs", data.ExShadowOffs},
      {"ExShadowOffsR", data.ExShadowOffsR},
      {"ExShadowOffsT", data.ExShadowOffsT},
      {"ExShadowOffsB", data.ExShadowOffsB},
      {"BIRightMargin", data.BIRightMargin},
      {"BILeftMargin", data.BILeftMargin},
      {"BITopMargin", data.BITopMargin},
      {"BISpacing", data.BISpacing},
      {"WndShadowRadius", data.WndShadowRadius},
      {"WndShadowSize", data.WndShadowSize},
      {"WndShadowOffset", data.WndShadowOffset},
      {"WndShadowColorN", data.WndShadowColorN},
      {"WndShadowColorA", data.WndShadowColorA},
      {"ExDrawMode", data.ExDrawMode},
      {"ComboBoxMargin", data.ComboBoxMargin},
      {"SliderMargin", data.SliderMargin},
      {"ScrollsWidth", data.ScrollsWidth},
      {"ThumbWidth", data.ThumbWidth},
      {"ScrollArrows", data.ScrollArrows},
      {"TabsCovering", data.TabsCovering},
      {"RibbonCovering", data.RibbonCovering},
      {"ExBorder", data.ExBorder},
      {"GripVertical", data.GripVertical},
      {"GripHorizontal", data.GripHorizontal},
      {"GripRightBottom", data.GripRightBottom},
      {"FormShadowSize.Left", data.FormShadowSize.Left},
      {"FormShadowSize.Top", data.FormShadowSize.Top},
      {"FormShadowSize.Right", data.FormShadowSize.Right},
      {"FormShadowSize.Bottom", data.FormShadowSize.Bottom},
  };
  for (const auto& [name, value] : metrics) Record(out, {"metric", name, N(value)});
}
