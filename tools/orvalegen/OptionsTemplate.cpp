#include "OptionsTemplate.h"

#include "Atlas.h"
#include "base/Exception.h"

namespace {

std::string ElementByName(std::string_view name) {
  for (const AtlasElement& e : MasterElements())
    if (e.Name == name) return ElementReference(e);
  throw Exception("The options template names an unknown element: " + std::string(name));
}

std::string Substitute(std::string_view placeholder, const Design& d) {
  if (placeholder.starts_with('=')) return ElementByName(placeholder.substr(1));
  const size_t dot = placeholder.find('.');
  if (dot == std::string_view::npos)
    throw Exception("The options template has a malformed placeholder: {" + std::string(placeholder) + "}");
  return d.OptionValue(placeholder.substr(0, dot), placeholder.substr(dot + 1));
}

}  // namespace

std::string FillOptionsTemplate(std::string_view text, const Design& d) {
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t open = text.find('{', pos);
    if (open == std::string_view::npos) break;
    const size_t close = text.find('}', open);
    if (close == std::string_view::npos) throw Exception("The options template has an unclosed placeholder");
    out.append(text.substr(pos, open - pos));
    out += Substitute(text.substr(open + 1, close - open - 1), d);
    pos = close + 1;
  }
  out.append(text.substr(pos));
  return out;
}
