#include "graphics/Composition.h"

#include <optional>

#include "graphics/SystemDefaults.h"

namespace {
TacCompositionQuery compositionQuery = nullptr;
std::optional<bool> knownComposition;
}  // namespace

bool CompositionEnabled() {
  if (!knownComposition) knownComposition = compositionQuery ? compositionQuery() : DefaultCompositionEnabled();
  return *knownComposition;
}

TacCompositionQuery SetCompositionQuery(TacCompositionQuery query) {
  TacCompositionQuery previous = compositionQuery;
  compositionQuery = query;
  knownComposition.reset();
  return previous;
}
