#include "framework/Colors.h"

#include <array>
#include <utility>

bool IdentToColor(std::string_view ident, TColor& color) {
  static constexpr std::array<std::pair<std::string_view, TColor>, 44> names{{
      {"clScrollBar", clScrollBar}, {"clBackground", clBackground}, {"clActiveCaption", clActiveCaption},
      {"clInactiveCaption", clInactiveCaption}, {"clMenu", clMenu}, {"clWindow", clWindow},
      {"clWindowFrame", clWindowFrame}, {"clMenuText", clMenuText}, {"clWindowText", clWindowText},
      {"clCaptionText", clCaptionText}, {"clActiveBorder", clActiveBorder}, {"clInactiveBorder", clInactiveBorder},
      {"clAppWorkSpace", clAppWorkSpace}, {"clHighlight", clHighlight}, {"clHighlightText", clHighlightText},
      {"clBtnFace", clBtnFace}, {"clBtnShadow", clBtnShadow}, {"clGrayText", clGrayText},
      {"clBtnText", clBtnText}, {"clInactiveCaptionText", clInactiveCaptionText},
      {"clBtnHighlight", clBtnHighlight}, {"cl3DDkShadow", cl3DDkShadow}, {"cl3DLight", cl3DLight},
      {"clInfoText", clInfoText}, {"clInfoBk", clInfoBk}, {"clHotLight", clHotLight}, {"clBlack", clBlack},
      {"clMaroon", clMaroon}, {"clGreen", clGreen}, {"clOlive", clOlive}, {"clNavy", clNavy},
      {"clPurple", clPurple}, {"clTeal", clTeal}, {"clGray", clGray}, {"clSilver", clSilver}, {"clRed", clRed},
      {"clLime", clLime}, {"clYellow", clYellow}, {"clBlue", clBlue}, {"clFuchsia", clFuchsia},
      {"clAqua", clAqua}, {"clWhite", clWhite}, {"clNone", clNone}, {"clDefault", clDefault},
  }};
  for (const auto& [name, value] : names)
    if (name == ident) {
      color = value;
      return true;
    }
  return false;
}
