#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/IniFile.h"
#include "skin/SkinOptions.h"
#include "skin/SkinSections.h"

// Any text as Options.dat: parsing, every inherited lookup and the section
// numbering must cope with whatever the sections and parents say.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMemIniFile options(true);
  options.SetText(std::string_view(reinterpret_cast<const char*>(data), size));
  for (const std::string& section : options.ReadSections()) {
    for (const std::string& key : options.ReadSection(section)) {
      ReadInheritedString(options, section, key, "");
      ReadInheritedInteger(options, section, key, 0, irmPlain, 255);
    }
    ReadInheritedInteger(options, section, "BORDERWIDTH", 1);
    ReadInheritedBoolean(options, section, "GIVEOWNFONT", false);
  }
  for (int scale = 0; scale < acScaleCount; ++scale) {
    const TacScaleContext context{acScalePPI[scale], scale, 0};
    ReadScaledMetric(options, context, "TITLEHEIGHT", 0, true);
    ReadScaledMetric(options, context, "BIRIGHT", 0, true, acScalePPI[3 - scale]);
  }
  std::vector<std::string> names = SectionRecordNames(options, &options);
  AssignStandardSlots(names);
  return 0;
}
