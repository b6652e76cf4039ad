#include "SkinOpen.h"

#include "base/Exception.h"
#include "base/FileUtils.h"

namespace {
// A folder is read as a skin folder, anything else as a packed skin file.
void OpenSkin(const std::string& path, TacSkinSource& source) {
  if (DirectoryExists(path)) {
    source.Kind = sskFolder;
    source.SkinPath = path + "/";
    source.Options.LoadFromFile(source.SkinPath + acOptionsFileName);
    return;
  }
  source.Kind = sskPackedFile;
  source.Convertor = std::make_unique<TacSkinConvertor>();
  if (!ReadPackedSkinFile(path, *source.Convertor) || !source.Convertor->Options)
    throw ESkinFormatError(InternalFormatErrorText(path));
  const auto bytes = source.Convertor->Options->Bytes();
  source.Options.SetText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}
}  // namespace

std::unique_ptr<TacToolSkin> LoadToolSkin(const std::string& Skin, int PPI) {
  auto skin = std::make_unique<TacToolSkin>();
  OpenSkin(Skin, skin->Source);
  skin->Master = LoadMasterBitmap(skin->Source.Options, skin->Source);
  skin->Data = std::make_unique<TacSkinData>(PPI);
  TacSkinLoadContext context{skin->Source.Options, skin->Source, *skin->Master};
  context.ExtendedBorders = true;
  skin->Data->Load(context);
  return skin;
}
