#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Exception.h"
#include "base/IniFile.h"
#include "base/MemoryStream.h"
#include "skin/SkinConvertor.h"

// A packed skin kept inside a window definition.
struct TsStoredSkin {
  std::string Name;
  std::string Author;
  std::string Description;
  double Version = 0;
  int32_t Shadow1Color = 0;
  int32_t Shadow1Offset = 0;
  int32_t Shadow1Blur = -1;
  int32_t Shadow1Transparency = 0;
  int32_t BorderColor = 0xFF00FF;
  TMemoryStream PackedData;  // the bytes of an ".asz" file, never modified
  std::string OrigName;      // the file it was made from; informational
};

using TsStoredSkins = std::vector<std::unique_ptr<TsStoredSkin>>;

// The skin directory made absolute against the executable's directory
// (AppDir, with its trailing separator), with a trailing "\".
std::string GetFullSkinDirectory(const std::string& SkinDirectory, const std::string& AppDir);
// Trailing separator rule: "" stays, "\" stays, "/" becomes "\", otherwise
// "\" is appended; a lone drive letter gets ":\".
std::string NormalizeDirectory(const std::string& dir);
// A selected name ending in ".asz" (any case) loses the extension.
std::string StripAszExtension(const std::string& name);

// The text shown when a packed skin yields no options file.
std::string InternalFormatErrorText(const std::string& SkinName);

// Thrown when a packed skin holds no options file; shown in a plain box.
class ESkinFormatError : public Exception {
 public:
  using Exception::Exception;
};

enum TacSkinSourceKind { sskNone, sskFolder, sskPackedFile, sskStored };

// Where a selected skin was found and what it holds.
struct TacSkinSource {
  TacSkinSourceKind Kind = sskNone;  // sskNone: there is no skin at all
  std::string SkinName;              // the stored skin's name when the selection fell back to one
  std::string SkinPath;              // the folder tried first, with "\"; empty for stored skins
  int StoredIndex = -1;
  TMemIniFile Options{true};
  std::unique_ptr<TacSkinConvertor> Convertor;  // packed sources only

  // A file named by the options: from the archive, or from the folder, where
  // a name with a drive, a root or a ".." part is refused as missing. Empty
  // when the skin does not have it.
  std::optional<std::vector<uint8_t>> ReadSkinFile(const std::string& FileName) const;
};

// True for a file name relative to a skin folder that stays inside it.
bool IsNameInsideFolder(std::string_view Name);

// Resolves a skin name as a folder, then an ".asz" file, then a stored skin,
// and reads its options. Damaged data throws Exception; a packed skin
// without options throws ESkinFormatError.
TacSkinSource LoadSkinSource(const std::string& SkinName, const std::string& SkinDirectory, const std::string& AppDir,
                             const TsStoredSkins& InternalSkins);

// Write a stored skin's packed bytes to DestDir as "<Name> extracted.asz";
// failures are reported in error boxes.
void ExtractByIndex(const TsStoredSkins& InternalSkins, int Index, const std::string& DestDir);
void ExtractInternalSkin(const TsStoredSkins& InternalSkins, const std::string& NameOfSkin, const std::string& DestDir);
