#include "base/IniFile.h"

#include "base/FileUtils.h"
#include "base/StrUtils.h"

void TMemIniFile::Clear() {
  FSections.clear();
  FSectionIndex.clear();
}

std::string TMemIniFile::Fold(std::string_view name) const {
  return FCaseSensitive ? std::string(name) : UpperCase(name);
}

TMemIniFile::Section& TMemIniFile::AddSection(std::string_view name) {
  auto [it, added] = FSectionIndex.try_emplace(Fold(name), FSections.size());
  if (added) FSections.push_back(Section{std::string(name), {}, {}});
  return FSections[it->second];
}

void TMemIniFile::AddValue(Section& section, std::string_view key, std::string_view value) {
  auto [it, added] = section.Values.insert_or_assign(Fold(key), std::string(value));
  if (added) section.Keys.emplace_back(key);
}

void TMemIniFile::SetText(std::string_view bytes) {
  Clear();
  // Windows editors save UTF-16 with a byte-order mark; a UTF-8 mark would
  // otherwise become part of the first section's name.
  const std::string decoded = TextOfBytes(bytes);
  std::string_view text = decoded;
  Section* current = nullptr;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = Trim(text.substr(pos, end - pos));
    pos = end;
    if (pos < text.size() && text[pos] == '\r') ++pos;
    if (pos < text.size() && text[pos] == '\n') ++pos;

    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
      current = &AddSection(Trim(line.substr(1, line.size() - 2)));
      continue;
    }
    if (!current) continue;
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos)
      AddValue(*current, line, {});
    else
      AddValue(*current, TrimRight(line.substr(0, eq)), TrimLeft(line.substr(eq + 1)));
  }
}

void TMemIniFile::LoadFromFile(const std::string& path, size_t MaxBytes) {
  const std::vector<uint8_t> bytes = ReadFileBytes(path, MaxBytes);
  SetText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

const TMemIniFile::Section* TMemIniFile::FindSection(std::string_view section) const {
  const auto s = FCaseSensitive ? FSectionIndex.find(section) : FSectionIndex.find(Fold(section));
  return s == FSectionIndex.end() ? nullptr : &FSections[s->second];
}

const std::string* TMemIniFile::FindValue(std::string_view section, std::string_view key) const {
  return FindValue(FindSection(section), key);
}

const std::string* TMemIniFile::FindValue(const Section* s, std::string_view key) const {
  if (!s) return nullptr;
  const auto v = FCaseSensitive ? s->Values.find(key) : s->Values.find(Fold(key));
  return v == s->Values.end() ? nullptr : &v->second;
}

std::string TMemIniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
  const std::string* value = FindValue(section, key);
  return value ? *value : std::string(def);
}

int32_t TMemIniFile::ReadInteger(std::string_view section, std::string_view key, int32_t def) const {
  const std::string* value = FindValue(section, key);
  return value ? StrToIntDef(*value, def) : def;
}

double TMemIniFile::ReadFloat(std::string_view section, std::string_view key, double def) const {
  const std::string* value = FindValue(section, key);
  double result = def;
  if (value && TryStrToFloat(*value, result)) return result;
  return def;
}

bool TMemIniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TMemIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  AddValue(AddSection(section), key, value);
}

void TMemIniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
  WriteString(section, key, std::to_string(value));
}

bool TMemIniFile::SectionExists(std::string_view section) const { return FindSection(section) != nullptr; }

bool TMemIniFile::ValueExists(std::string_view section, std::string_view key) const {
  return FindValue(section, key) != nullptr;
}

std::vector<std::string> TMemIniFile::ReadSections() const {
  std::vector<std::string> names;
  names.reserve(FSections.size());
  for (const Section& s : FSections) names.push_back(s.Name);
  return names;
}

std::vector<std::string> TMemIniFile::ReadSection(std::string_view section) const {
  const Section* s = FindSection(section);
  return s ? s->Keys : std::vector<std::string>{};
}
