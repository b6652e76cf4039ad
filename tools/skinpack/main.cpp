#include <iostream>
#include <string>
#include <vector>

#include "SkinPack.h"
#include "base/ErrorBox.h"
#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>

#include "base/StrUtils.h"
#endif

namespace {

// UTF-8 arguments; on Windows taken from the wide command line so that any
// file name survives.
std::vector<std::string> Arguments(int argc, char** argv) {
#ifdef _WIN32
  (void)argc;
  (void)argv;
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; i < count; ++i) args.push_back(WideToUtf8(wide[i]));
  LocalFree(wide);
  return args;
#else
  return std::vector<std::string>(argv + 1, argv + argc);
#endif
}

}  // namespace

int main(int argc, char** argv) {
  // A command-line tool reports on standard error, never in a dialog.
  SetErrorBoxProc([](const std::string& text, TacBoxKind) { std::cerr << "skinpack: " << text << "\n"; });
  return SkinPackMain(Arguments(argc, argv), std::cout, std::cerr);
}
