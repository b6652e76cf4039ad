// skinsheet SKIN [--ppi N] [-o out.png]: a contact sheet of every section,
// standard element and window shadow of a skin folder or ".asz" file.
#include <iostream>
#include <string>

#include "ContactSheet.h"
#include "PngWrite.h"
#include "ToolArguments.h"
#include "base/ErrorBox.h"
#include "base/Exception.h"
#include "base/StrUtils.h"
#include "loader/OpenedSkin.h"

namespace {
int Usage() {
  std::cerr << "usage: skinsheet SKIN [--ppi N] [-o out.png]\n";
  return 2;
}
}  // namespace

int main(int argc, char** argv) {
  SetErrorBoxProc([](const std::string& text, TacBoxKind) { std::cerr << "skinsheet: " << text << "\n"; });
  const auto args = ToolArguments(argc, argv);
  std::string skin, out = "skinsheet.png";
  int32_t ppi = 96;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--ppi" && i + 1 < args.size()) {
      if (!TryStrToInt(args[++i], ppi) || ppi < 48 || ppi > 480) return Usage();
    } else if (args[i] == "-o" && i + 1 < args.size()) {
      out = args[++i];
    } else if (skin.empty() && !args[i].empty() && args[i][0] != '-') {
      skin = args[i];
    } else {
      return Usage();
    }
  }
  if (skin.empty()) return Usage();
  try {
    const auto loaded = TacOpenedSkin::FromPath(skin, ppi, {.ExtendedBorders = true});
    SaveBitmapAsPng(*RenderContactSheet(loaded->Data()), out);
  } catch (const Exception& e) {
    std::cerr << "skinsheet: " << e.what() << "\n";
    return 1;
  }
  std::cout << out << "\n";
  return 0;
}
