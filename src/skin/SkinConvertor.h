#pragma once
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "base/MemoryStream.h"

enum TacFileType { ftBmp, ftFont, ftOther };

struct TacFileItem {
  std::string Name;  // as stored in the archive
  TacFileType FileType = ftOther;
  std::unique_ptr<TMemoryStream> Stream;
};

// The unpacked contents of a packed skin: the options file and every other file.
struct TacSkinConvertor {
  std::unique_ptr<TMemoryStream> Options;  // absent when the archive has none
  // The archive being read; attached only while reading and never owned.
  std::span<const uint8_t> PackedData;
  int FileCount = 0;  // the number of items in Files
  std::vector<TacFileItem> Files;

  // The file stream whose name matches case-insensitively, or null.
  const TMemoryStream* FindFile(const std::string& name) const;
};

inline constexpr char acPackedMagic[] = "ASzf";
inline constexpr char acPreviewMarker[] = "previewimg";
inline constexpr char acOptionsFileName[] = "Options.dat";
inline constexpr char acNotPackedText[] = "Loaded data is not a packed Velmora file";

TacFileType FileTypeOfName(const std::string& name);
// An entry name as messages show it: quoted, with control characters (a NUL
// included, which would end the message) written as \xNN.
std::string QuotedEntryName(const std::string& name);

// Reads Convertor.PackedData into Options and Files. Wrong magic shows the
// format error box and returns false; damaged data throws Exception with a
// text that names what is wrong. Nothing is allocated beyond what the data
// really inflates to.
bool ReadPackedSkin(TacSkinConvertor& Convertor);
// Loads the whole file, reads it as above and lets the file bytes go again.
bool ReadPackedSkinFile(const std::string& path, TacSkinConvertor& Convertor);

// Copies the preview PNG of a packed skin into Output (positioned at 0).
// False when the archive has no preview; throws when its length runs past the data.
bool ReadSkinPreview(std::span<const uint8_t> packed, TMemoryStream& Output);
bool ReadSkinPreviewFile(const std::string& path, TMemoryStream& Output);
