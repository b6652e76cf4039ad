#pragma once
#include <functional>
#include <string>

#include "framework/Label.h"
#include "graphics/Color.h"

class TsSkinManager;

// The framework's label whose text takes the colour of the skin section it
// stands on, found through its parents; painted by its parent, no cache.
class TsCustomLabel : public TCustomLabel {
  DECLARE_CLASS_INFO

 public:
  explicit TsCustomLabel(TComponent* Owner);

  const std::string& SkinSection() const { return FSkinSection; }
  void SetSkinSection(const std::string& Value);
  TsSkinManager* SkinManager() const { return FSkinManager; }
  void SetSkinManager(TsSkinManager* Value) { FSkinManager = Value; }
  bool TransparentForMouse() const { return FTransparentForMouse; }
  void SetTransparentForMouse(bool Value) { FTransparentForMouse = Value; }

  void Loaded() override;
  void WndProc(TMessage& Message) override;

  // The colour the text is written in.
  virtual TColor TextColor();
  // The manager in use: its own, else the default one.
  TsSkinManager* Manager() const;
  // The index of SkinSection, -1 without one or without an active manager.
  int32_t SkinIndex();

  // Word-wrapped text shortened word by word from its end, with "...", until
  // it fits MaxHeight (or one line) when measured by Measure.
  static std::string CutToHeight(const std::string& Text, int32_t MaxHeight, int32_t LineHeight,
                                 const std::function<int32_t(const std::string&)>& Measure);

  uint32_t TranspMode = 0;

 protected:
  void Paint() override;
  void DoDrawText(RECT& Rect, UINT Flags);
  bool ManagerActive() const;

 private:
  std::string FSkinSection;
  int32_t FSkinIndex = -1;
  TsSkinManager* FSkinManager = nullptr;
  bool FSavedParentFont = false;
  bool FTransparentForMouse = false;
};

class TsLabel : public TsCustomLabel {
  DECLARE_CLASS_INFO

 public:
  explicit TsLabel(TComponent* Owner) : TsCustomLabel(Owner) {}

  bool UseSkinColor() const { return FUseSkinColor; }
  void SetUseSkinColor(bool Value);
  TColor TextColor() override;

 private:
  bool FUseSkinColor = true;
};
