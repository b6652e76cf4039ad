#include <cstring>

#include "manager/SkinManager.h"

// Skin editor preview

void TsSkinManager::ApplyPreview() {
  if (PreviewBuffer.Magic != acSkinEditorMagic) return;
  const auto text = [](const char* field, size_t size) { return std::string(field, strnlen(field, size)); };
  const TacSkinEditorData& p = PreviewBuffer;
  const std::string name = text(p.Name1, sizeof p.Name1), section = text(p.Name2, sizeof p.Name2);
  const std::string options = text(p.Data2, sizeof p.Data2);
  SetSkinDirectory(text(p.Data1, sizeof p.Data1));
  FPreviewOptions = &options;
  if (!section.empty() && FHueOffset == 0 && FBrightness == 0 && FSaturation == 0) {
    NoAutoUpdate = true;
    SetSkinName(name);
    NoAutoUpdate = false;
    FPreviewOptions = nullptr;
    FUpdatedSectionNdx = IsActive() ? std::max(0, CommonSkinData().GetSkinIndex(section)) : 0;
    RepaintForms(true);
    FUpdatedSectionNdx = 0;
  } else {
    BeginUpdate();
    SetSkinName(name);
    FPreviewOptions = nullptr;
    EndUpdate(true, false);
  }
}
