#pragma once
#include <iosfwd>
#include <string>
#include <vector>

// The skinpack command line: pack, unpack and list packed skins. Returns
// the process exit code: 0 on success, 1 on a failed command, 2 on misuse.
int SkinPackMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
