#include <iostream>
#include <string>
#include <vector>

#include "SkinPack.h"
#include "ToolArguments.h"
#include "base/ErrorBox.h"

int main(int argc, char** argv) {
  // A command-line tool reports on standard error, never in a dialog.
  SetErrorBoxProc([](const std::string& text, TacBoxKind) { std::cerr << "skinpack: " << text << "\n"; });
  return SkinPackMain(ToolArguments(argc, argv), std::cout, std::cerr);
}
