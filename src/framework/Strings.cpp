#include "framework/Strings.h"

#include "base/Exception.h"
#include "base/StrUtils.h"

const TClassInfo& TStrings::StaticClassInfo() {
  static const TClassInfo info("TStrings", &TPersistent::StaticClassInfo(), nullptr, nullptr);
  return info;
}

const TClassInfo& TStringList::StaticClassInfo() {
  static const TClassInfo info("TStringList", &TStrings::StaticClassInfo(), nullptr, nullptr);
  return info;
}

int TStrings::IndexOf(std::string_view line) const {
  for (size_t i = 0; i < Count(); ++i)
    if (SameText(Strings(i), line)) return static_cast<int>(i);
  return -1;
}

std::string TStrings::Text() const {
  std::string text;
  for (size_t i = 0; i < Count(); ++i) text.append(Strings(i)).append("\r\n");
  return text;
}

void TStrings::SetText(std::string_view text) {
  Clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    Add(std::string(text.substr(start, end - start)));
    start = end;
    if (start < text.size() && text[start] == '\r') ++start;
    if (start < text.size() && text[start] == '\n') ++start;
  }
}

void TStrings::Assign(const TStrings& source) {
  if (&source == this) return;
  Clear();
  for (size_t i = 0; i < source.Count(); ++i) Add(source.Strings(i));
}

void TStringList::Insert(size_t index, const std::string& line) {
  if (index > FLines.size()) throw Exception("List index out of bounds (" + std::to_string(index) + ")");
  FLines.insert(FLines.begin() + static_cast<std::ptrdiff_t>(index), line);
}

void TStringList::Delete(size_t index) {
  if (index >= FLines.size()) throw Exception("List index out of bounds (" + std::to_string(index) + ")");
  FLines.erase(FLines.begin() + static_cast<std::ptrdiff_t>(index));
}

int TStringList::IndexOf(std::string_view line) const {
  if (!FCaseSensitive) return TStrings::IndexOf(line);
  for (size_t i = 0; i < FLines.size(); ++i)
    if (FLines[i] == line) return static_cast<int>(i);
  return -1;
}
