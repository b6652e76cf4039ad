#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/StrUtils.h"
#include "skin/ElementReference.h"

// Any options value as an element reference: normalizing must give a
// normalized form that is stable and parses back without reading past it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string value = UpperCase(std::string(reinterpret_cast<const char*>(data), size));
  const std::string normalized = NormalizeElementReference(value);
  if (normalized.empty() || normalized.front() != '&') std::abort();
  if (!value.empty() && value.front() != '&' && normalized.size() < 44) std::abort();
  if (NormalizeElementReference(normalized) != normalized) std::abort();
  const TacElementRef ref = ParseNormalizedReference(normalized);
  if (ref.ImgType < 0 || ref.ImgType > 4 || ref.ImageCount < 0 || ref.ImageCount > 9) std::abort();
  return 0;
}
