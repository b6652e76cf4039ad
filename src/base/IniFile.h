#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/FileUtils.h"

// An INI text held in memory. Sections keep the order of their first
// appearance; a repeated section header continues the earlier section, and a
// repeated key answers with its last value. Skin options use case-sensitive
// matching, everything else the usual case-insensitive one.
class TMemIniFile {
 public:
  explicit TMemIniFile(bool caseSensitive = false) : FCaseSensitive(caseSensitive) {}

  bool CaseSensitive() const { return FCaseSensitive; }
  void Clear();
  // Replaces the contents with the parsed text (lines end in LF, CR LF or
  // CR). Text that starts with a UTF-16 byte-order mark (little- or
  // big-endian) is read as UTF-16; a UTF-8 one is dropped.
  void SetText(std::string_view text);
  // As ReadFileBytes, then SetText.
  void LoadFromFile(const std::string& path, size_t MaxBytes = acMaxReadBytes);

  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
  // A missing key or a value that is not a 32-bit integer gives def.
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t def) const;
  // "." is the decimal separator whatever the locale; malformed values give def.
  double ReadFloat(std::string_view section, std::string_view key, double def) const;
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;

  // The value itself, or null when the section or key is missing; valid
  // until the model changes. A section found once can be asked again
  // without looking it up by name.
  struct Section;
  const Section* FindSection(std::string_view section) const;
  const std::string* FindValue(std::string_view section, std::string_view key) const;
  const std::string* FindValue(const Section* section, std::string_view key) const;

  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int32_t value);

  bool SectionExists(std::string_view section) const;
  bool ValueExists(std::string_view section, std::string_view key) const;
  // Section names in file order; the keys of one section in order of first appearance.
  std::vector<std::string> ReadSections() const;
  std::vector<std::string> ReadSection(std::string_view section) const;

 private:
  // Lookups by string_view without building a string first.
  struct NameHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  template <class T>
  using NameMap = std::unordered_map<std::string, T, NameHash, std::equal_to<>>;

 public:
  struct Section {
    std::string Name;
    std::vector<std::string> Keys;
    NameMap<std::string> Values;  // folded key -> last value
  };

 private:
  std::string Fold(std::string_view name) const;
  Section& AddSection(std::string_view name);
  void AddValue(Section& section, std::string_view key, std::string_view value);

  bool FCaseSensitive;
  std::vector<Section> FSections;
  NameMap<size_t> FSectionIndex;  // folded name -> position
};
