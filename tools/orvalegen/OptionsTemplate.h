#pragma once
#include <string>
#include <string_view>

#include "Design.h"

// Fills the options template: {Section.Key} becomes the skin colour value of a
// design colour, {=NAME} the reference of a master-bitmap element. Anything
// else is copied unchanged; an unknown name stops generation.
std::string FillOptionsTemplate(std::string_view text, const Design& d);
