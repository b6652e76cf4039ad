#pragma once
#include <string>
#include <vector>

// The program's arguments in UTF-8, without its name; on Windows taken from
// the wide command line so that any file name survives.
std::vector<std::string> ToolArguments(int argc, char** argv);
