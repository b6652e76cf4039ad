#pragma once
#include <iosfwd>
#include <string>

// Prints what the engine reads from a skin folder or ".asz" file for one
// PPI: section records, standard slots, elements and metrics, one record a
// line with tab-separated fields. Throws Exception with the engine's text
// when the skin cannot be loaded.
void InspectSkin(const std::string& Skin, int PPI, std::ostream& out);
