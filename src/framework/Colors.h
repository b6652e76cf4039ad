#pragma once
#include <string_view>

#include "graphics/Color.h"

// Reads a colour written by name in a stored definition ("clBtnFace").
bool IdentToColor(std::string_view ident, TColor& color);
