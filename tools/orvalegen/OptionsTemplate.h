#pragma once
#include <string>
#include <string_view>

#include "Design.h"

// Fills the options template: {Section.Key} becomes a design value (a colour
// as its skin colour value), {=NAME} the reference of a master-bitmap element. Anything
// else is copied unchanged; an unknown name stops generation.
std::string FillOptionsTemplate(std::string_view text, const Design& d);
