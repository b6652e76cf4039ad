#include "SkinPack.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

#include "SkinReport.h"
#include "base/Exception.h"
#include "base/FileUtils.h"
#include "base/StrUtils.h"
#include "skin/PackedSkinWriter.h"
#include "skin/SkinConvertor.h"
#include "skin/SkinLimits.h"

namespace {

constexpr char kUsage[] =
    "usage: skinpack pack FOLDER OUT.asz [--preview PREVIEW.png]\n"
    "       skinpack unpack IN.asz FOLDER [--preview OUT.png]\n"
    "       skinpack list IN.asz\n"
    "       skinpack inspect SKIN [--ppi N]        (SKIN: a skin folder or an .asz file)\n";

struct UsageError {};

// Splits "--preview FILE" and "--ppi N" off the positional arguments.
struct Arguments {
  std::vector<std::string> positional;
  std::string preview;
  std::string ppi;
};

Arguments Parse(const std::vector<std::string>& args) {
  Arguments result;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--preview" || args[i] == "--ppi") {
      std::string& value = args[i] == "--ppi" ? result.ppi : result.preview;
      if (i + 1 >= args.size() || !value.empty()) throw UsageError();
      value = args[++i];
    } else if (args[i].starts_with("--")) {
      throw UsageError();
    } else {
      result.positional.push_back(args[i]);
    }
  }
  return result;
}

// Options.dat first, then every other file in upper-cased name order, so
// that the same folder always gives the same archive.
std::vector<TacPackEntry> CollectFolder(const std::string& folder) {
  if (!DirectoryExists(folder)) throw Exception("\"" + folder + "\" is not a folder.");
  std::vector<std::string> names;
  for (const auto& item : std::filesystem::directory_iterator(ToPath(folder)))
    if (item.is_regular_file()) names.push_back(FromPath(item.path().filename()));
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const bool aOptions = SameText(a, acOptionsFileName), bOptions = SameText(b, acOptionsFileName);
    if (aOptions != bOptions) return aOptions;
    const std::string ua = UpperCase(a), ub = UpperCase(b);
    return ua != ub ? ua < ub : a < b;
  });
  if (names.empty() || !SameText(names.front(), acOptionsFileName))
    throw Exception("\"" + folder + "\" has no " + acOptionsFileName + ".");
  std::vector<TacPackEntry> entries;
  for (const std::string& name : names) entries.push_back({name, ReadFileBytes(folder + "/" + name)});
  return entries;
}

// Entry names come from the archive: only plain file names may be written.
void CheckEntryName(const std::string& name) {
  const bool unsafe = name.empty() || name == "." || name == ".." ||
                      std::any_of(name.begin(), name.end(), [](char c) {
                        return c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < ' ';
                      });
  if (unsafe)
    throw Exception("The packed skin holds an entry named " + QuotedEntryName(name) + ", which is not a plain file name.");
}

// What an unpack wrote, taken back unless it got to the end.
class TacUnpackedFiles {
 public:
  explicit TacUnpackedFiles(const std::string& folder) : FFolder(ToPath(folder)), FMadeFolder(!DirectoryExists(folder)) {}
  ~TacUnpackedFiles() {
    if (FDone) return;
    std::error_code ec;
    for (const std::filesystem::path& file : FFiles) std::filesystem::remove(file, ec);
    if (FMadeFolder) std::filesystem::remove_all(FFolder, ec);
  }
  TacUnpackedFiles(const TacUnpackedFiles&) = delete;
  TacUnpackedFiles& operator=(const TacUnpackedFiles&) = delete;

  void Write(const std::string& path, std::span<const uint8_t> bytes) {
    FFiles.push_back(ToPath(path));
    WriteFileBytes(path, bytes);
  }
  void Done() { FDone = true; }

 private:
  std::filesystem::path FFolder;
  bool FMadeFolder;
  bool FDone = false;
  std::vector<std::filesystem::path> FFiles;
};

const char* TypeName(TacFileType type) {
  switch (type) {
    case ftBmp: return "bmp";
    case ftFont: return "font";
    default: return "other";
  }
}

TacSkinConvertor ReadArchive(const std::string& path) {
  TacSkinConvertor convertor;
  if (!ReadPackedSkinFile(path, convertor)) throw Exception("\"" + path + "\" is not a packed skin.");
  return convertor;
}

int Pack(const Arguments& a, std::ostream& out) {
  if (a.positional.size() != 2) throw UsageError();
  const std::vector<TacPackEntry> entries = CollectFolder(a.positional[0]);
  std::vector<uint8_t> preview;
  if (!a.preview.empty()) preview = ReadFileBytes(a.preview);
  if (!a.preview.empty() && preview.empty()) throw Exception("The preview image \"" + a.preview + "\" is empty.");
  const std::vector<uint8_t> packed = WritePackedSkin(entries, preview);
  WriteFileBytes(a.positional[1], packed);
  out << "packed " << entries.size() << " files into " << a.positional[1] << " (" << packed.size() << " bytes)\n";
  return 0;
}

int Unpack(const Arguments& a, std::ostream& out) {
  if (a.positional.size() != 2) throw UsageError();
  const std::vector<uint8_t> packed = ReadFileBytes(a.positional[0], acMaxArchiveBytes);
  TacSkinConvertor convertor;
  convertor.PackedData = packed;
  if (!ReadPackedSkin(convertor)) throw Exception("\"" + a.positional[0] + "\" is not a packed skin.");
  convertor.PackedData = {};
  for (const TacFileItem& item : convertor.Files) CheckEntryName(item.Name);
  const std::string folder = a.positional[1];
  TacUnpackedFiles written(folder);
  if (!ForceDirectories(folder)) throw Exception("Cannot create the folder \"" + folder + "\".");
  if (convertor.Options) written.Write(folder + "/" + acOptionsFileName, convertor.Options->Data());
  for (const TacFileItem& item : convertor.Files) written.Write(folder + "/" + item.Name, item.Stream->Data());
  if (!a.preview.empty()) {
    TMemoryStream preview;
    if (!ReadSkinPreview(packed, preview)) throw Exception("\"" + a.positional[0] + "\" has no preview image.");
    written.Write(a.preview, preview.Data());
  }
  written.Done();
  out << "unpacked " << convertor.Files.size() + (convertor.Options ? 1 : 0) << " files into " << folder << "\n";
  return 0;
}

int List(const Arguments& a, std::ostream& out) {
  if (a.positional.size() != 1 || !a.preview.empty()) throw UsageError();
  const TacSkinConvertor convertor = ReadArchive(a.positional[0]);
  if (convertor.Options) out << acOptionsFileName << "\t" << convertor.Options->Size() << "\toptions\n";
  for (const TacFileItem& item : convertor.Files)
    out << item.Name << "\t" << item.Stream->Size() << "\t" << TypeName(item.FileType) << "\n";
  TMemoryStream preview;
  if (ReadSkinPreviewFile(a.positional[0], preview))
    out << "preview\t" << preview.Size() << "\tpng\n";
  else
    out << "preview\tnone\n";
  return 0;
}

int Inspect(const Arguments& a, std::ostream& out) {
  if (a.positional.size() != 1 || !a.preview.empty()) throw UsageError();
  int32_t ppi = 96;
  if (!a.ppi.empty() && (!TryStrToInt(a.ppi, ppi) || ppi < 24 || ppi > 960))
    throw Exception("The PPI \"" + a.ppi + "\" is not a number from 24 to 960.");
  InspectSkin(a.positional[0], ppi, out);
  return 0;
}

}  // namespace

int SkinPackMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    if (args.empty()) throw UsageError();
    const Arguments parsed = Parse(args);
    if (args[0] == "pack") return Pack(parsed, out);
    if (args[0] == "unpack") return Unpack(parsed, out);
    if (args[0] == "list") return List(parsed, out);
    if (args[0] == "inspect") return Inspect(parsed, out);
    throw UsageError();
  } catch (const UsageError&) {
    err << kUsage;
    return 2;
  } catch (const std::exception& e) {
    err << "skinpack: " << e.what() << "\n";
    return 1;
  }
}
