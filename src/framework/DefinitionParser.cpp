// The text format of stored window definitions:
//
//   object Form1: TForm1
//     Caption = "Velmora"          string, UTF-8, escapes \" \\ \n \r \t
//     Left = -12                   integer (also $FF hexadecimal)
//     Version = 15.0               floating point, "." separator
//     Visible = True               identifier
//     BorderIcons = [biSystemMenu] set
//     Font.Name = "Tahoma"         nested property
//     Data = { 0A1B 2C }           binary data in hexadecimal, over any number of lines
//     Items = <                    collection
//       item
//         Name = "First"
//       end>
//     object Child: TLabel ... end child objects follow the properties
//   end
#include <cctype>
#include <cstdlib>

#include "base/Exception.h"
#include "base/StrUtils.h"
#include "framework/StoredDefinition.h"

namespace {

TStoredValue MakeValue(TValueKind kind, std::string text = {}) {
  TStoredValue value;
  value.Kind = kind;
  value.Text = std::move(text);
  return value;
}

class DefinitionParser {
 public:
  explicit DefinitionParser(std::string_view text) : FText(text) {}

  TStoredObject ParseRoot() {
    SkipBlanks();
    TStoredObject root = ParseObject();
    SkipBlanks();
    if (!AtEnd()) Fail("End of definition expected");
    return root;
  }

 private:
  [[noreturn]] void Fail(const std::string& message) const { FailAt(FLine, message); }
  [[noreturn]] static void FailAt(int line, const std::string& message) {
    throw Exception("Line " + std::to_string(line) + ": " + message);
  }

  bool AtEnd() const { return FPos >= FText.size(); }
  char Peek() const { return AtEnd() ? '\0' : FText[FPos]; }
  char Next() {
    const char ch = FText[FPos++];
    if (ch == '\n') ++FLine;
    return ch;
  }

  void SkipBlanks() {
    while (!AtEnd() && std::isspace(static_cast<unsigned char>(Peek()))) Next();
  }
  // Blanks inside one line only: a property ends at its line end.
  void SkipLineBlanks() {
    while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\r')) Next();
  }
  void EndOfLine() {
    SkipLineBlanks();
    if (!AtEnd() && Peek() != '\n') Fail("End of line expected");
  }

  static bool IsIdentStart(char ch) { return std::isalpha(static_cast<unsigned char>(ch)) || ch == '_'; }
  static bool IsIdentChar(char ch) { return std::isalnum(static_cast<unsigned char>(ch)) || ch == '_'; }

  std::string Ident() {
    if (!IsIdentStart(Peek())) Fail("Identifier expected");
    std::string result;
    while (!AtEnd() && IsIdentChar(Peek())) result += Next();
    return result;
  }

  // An identifier followed by ".identifier" parts.
  std::string Path() {
    std::string result = Ident();
    while (Peek() == '.') {
      result += Next();
      result += Ident();
    }
    return result;
  }

  void Expect(char ch, const char* what) {
    SkipLineBlanks();
    if (Peek() != ch) Fail(std::string(what) + " expected");
    Next();
  }

  TStoredObject ParseObject() {
    TStoredObject object;
    object.Line = FLine;
    if (Ident() != "object") FailAt(object.Line, "\"object\" expected");
    SkipLineBlanks();
    object.Name = Ident();
    Expect(':', "\":\"");
    SkipLineBlanks();
    object.ClassName = Ident();
    EndOfLine();
    for (;;) {
      SkipBlanks();
      if (AtEnd()) FailAt(object.Line, "Object " + object.Name + " has no \"end\"");
      const int line = FLine;
      const std::string word = Path();
      if (word == "end") break;
      if (word == "object") {
        FPos -= word.size();
        object.Children.push_back(ParseObject());
        continue;
      }
      if (!object.Children.empty()) FailAt(line, "Property " + word + " after a child object");
      object.Properties.push_back(ParseProperty(word, line));
    }
    EndOfLine();
    return object;
  }

  TStoredProperty ParseProperty(std::string name, int line) {
    Expect('=', "\"=\"");
    SkipLineBlanks();
    TStoredProperty property{.Line = line, .Name = std::move(name), .Value = ParseValue()};
    EndOfLine();
    return property;
  }

  TStoredValue ParseValue() {
    const char ch = Peek();
    if (ch == '"') return MakeValue(TValueKind::vkString, ParseString());
    if (ch == '[') return ParseSet();
    if (ch == '{') return ParseBinary();
    if (ch == '<') return ParseCollection();
    if (ch == '-' || ch == '$' || std::isdigit(static_cast<unsigned char>(ch))) return ParseNumber();
    if (IsIdentStart(ch)) return MakeValue(TValueKind::vkIdent, Ident());
    Fail("Property value expected");
  }

  std::string ParseString() {
    const int line = FLine;
    Next();
    std::string result;
    for (;;) {
      if (AtEnd() || Peek() == '\n') FailAt(line, "Unterminated string");
      char ch = Next();
      if (ch == '"') return result;
      if (ch == '\\') {
        if (AtEnd()) FailAt(line, "Unterminated string");
        switch (ch = Next()) {
          case 'n': ch = '\n'; break;
          case 'r': ch = '\r'; break;
          case 't': ch = '\t'; break;
          case '"': case '\\': break;
          default: Fail(std::string("Unknown escape \\") + ch);
        }
      }
      result += ch;
    }
  }

  TStoredValue ParseNumber() {
    const size_t start = FPos;
    if (Peek() == '-') Next();
    if (Peek() == '$') Next();
    while (!AtEnd() && (std::isalnum(static_cast<unsigned char>(Peek())) || Peek() == '.')) Next();
    const std::string_view token = FText.substr(start, FPos - start);
    TStoredValue value;
    int32_t integer = 0;
    double number = 0;
    if (TryStrToInt(token, integer)) {
      value.Kind = TValueKind::vkInteger;
      value.Integer = integer;
    } else if (token.find('.') != std::string_view::npos && TryStrToFloat(token, number)) {
      value.Kind = TValueKind::vkFloat;
      value.Float = number;
    } else {
      Fail("Invalid number " + std::string(token));
    }
    return value;
  }

  TStoredValue ParseSet() {
    Next();
    TStoredValue value = MakeValue(TValueKind::vkSet);
    SkipLineBlanks();
    if (Peek() == ']') {
      Next();
      return value;
    }
    for (;;) {
      SkipLineBlanks();
      value.Names.push_back(Ident());
      SkipLineBlanks();
      if (Peek() == ']') break;
      Expect(',', "\",\" or \"]\"");
    }
    Next();
    return value;
  }

  static int HexDigit(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return -1;
  }

  TStoredValue ParseBinary() {
    const int line = FLine;
    Next();
    TStoredValue value = MakeValue(TValueKind::vkBinary);
    int high = -1;
    for (;;) {
      SkipBlanks();
      if (AtEnd()) FailAt(line, "Truncated binary data: \"}\" missing");
      const char ch = Next();
      if (ch == '}') break;
      const int digit = HexDigit(ch);
      if (digit < 0) FailAt(FLine, "Invalid binary data");
      if (high < 0) {
        high = digit;
      } else {
        value.Bytes.push_back(static_cast<uint8_t>(high * 16 + digit));
        high = -1;
      }
    }
    if (high >= 0) FailAt(line, "Truncated binary data: odd number of hexadecimal digits");
    return value;
  }

  TStoredValue ParseCollection() {
    const int line = FLine;
    Next();
    TStoredValue value = MakeValue(TValueKind::vkCollection);
    for (;;) {
      SkipBlanks();
      if (AtEnd()) FailAt(line, "Collection has no \">\"");
      if (Peek() == '>') break;
      TStoredItem item;
      item.Line = FLine;
      if (Ident() != "item") FailAt(item.Line, "\"item\" expected");
      EndOfLine();
      for (;;) {
        SkipBlanks();
        if (AtEnd()) FailAt(item.Line, "Item has no \"end\"");
        const int propertyLine = FLine;
        std::string word = Path();
        if (word == "end") break;
        item.Properties.push_back(ParseProperty(std::move(word), propertyLine));
      }
      value.Items.push_back(std::move(item));
    }
    Next();
    return value;
  }

  std::string_view FText;
  size_t FPos = 0;
  int FLine = 1;
};

}  // namespace

TStoredObject ParseStoredDefinition(std::string_view text) { return DefinitionParser(text).ParseRoot(); }
