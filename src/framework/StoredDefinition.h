#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The parsed form of a stored window definition: objects with their properties
// and child objects, each remembering its line for error messages.

enum class TValueKind { vkInteger, vkFloat, vkString, vkIdent, vkSet, vkBinary, vkCollection };

struct TStoredProperty;

struct TStoredItem {
  int Line = 0;
  std::vector<TStoredProperty> Properties;
};

struct TStoredValue {
  TValueKind Kind = TValueKind::vkInteger;
  int64_t Integer = 0;
  double Float = 0;
  std::string Text;                // string contents or identifier
  std::vector<std::string> Names;  // set members
  std::vector<uint8_t> Bytes;      // binary data
  std::vector<TStoredItem> Items;  // collection items
};

struct TStoredProperty {
  int Line = 0;
  std::string Name;  // may be a dotted path: Font.Name
  TStoredValue Value;
};

struct TStoredObject {
  int Line = 0;
  std::string Name;
  std::string ClassName;
  std::vector<TStoredProperty> Properties;
  std::vector<TStoredObject> Children;
};

// Throws Exception naming the line of the first syntax error.
TStoredObject ParseStoredDefinition(std::string_view text);
