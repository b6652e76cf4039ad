#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "framework/Bitmap.h"
#include "framework/Classes.h"
#include "framework/Font.h"
#include "graphics/Geometry.h"

class TComponent;

// The glyph a title button shows; the ordinals are stored.
enum TacTitleGlyph {
  tgCloseAlone,
  tgClose,
  tgMax,
  tgMin,
  tgNormal,
  tgHelp,
  tgSmallClose,
  tgSmallMax,
  tgSmallMin,
  tgSmallNormal,
  tgSmallHelp,
  tgUser,
  tgNone
};

// One button of the title bar: where it is in the frame bitmap, what it
// answers to a hit test and what it shows.
struct TsCaptionButton {
  int32_t cpState = -1;  // 0 normal, 1 hot, 2 pressed, -1 not shown
  int32_t cpGlowID = -1;
  TRect cpRect;  // in the frame bitmap
  uint32_t cpHitCode = 0;
  bool cpHaveAlignment = false;
  TacTitleGlyph cpGlyphType = tgNone;
};

// Text shown in the title after the form's caption.
class TacAddedTitle : public TPersistent {
  DECLARE_CLASS_INFO

 public:
  const std::string& Text() const { return FText; }
  void SetText(const std::string& Value) { FText = Value; }
  TFont& Font() { return FFont; }
  bool ShowMainCaption() const { return FShowMainCaption; }
  void SetShowMainCaption(bool Value) { FShowMainCaption = Value; }

 private:
  std::string FText;
  TFont FFont;
  bool FShowMainCaption = true;
};

// An extra band painted under the title.
class TacFormHeader : public TPersistent {
  DECLARE_CLASS_INFO

 public:
  int32_t AdditionalHeight() const { return FAdditionalHeight; }
  void SetAdditionalHeight(int32_t Value) { FAdditionalHeight = Value; }

 private:
  int32_t FAdditionalHeight = 0;
};

// The icon of the title; an empty glyph shows the form's own icon.
class TsTitleIcon : public TPersistent {
  DECLARE_CLASS_INFO

 public:
  TBitmap Glyph;
  int32_t Width() const { return FWidth; }
  void SetWidth(int32_t Value) { FWidth = Value; }
  int32_t Height() const { return FHeight; }
  void SetHeight(int32_t Value) { FHeight = Value; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value) { FVisible = Value; }

 private:
  int32_t FWidth = 0;
  int32_t FHeight = 0;
  bool FVisible = true;
};

enum TacBlurMode { bmBlurBehind, bmAcrylicBlurBehind };

// The system's blur behind the window, where the system offers it.
class TacSystemBlur : public TPersistent {
  DECLARE_CLASS_INFO

 public:
  bool Active() const { return FActive; }
  void SetActive(bool Value) { FActive = Value; }
  TacBlurMode Mode() const { return FMode; }
  void SetMode(TacBlurMode Value) { FMode = Value; }

 private:
  bool FActive = false;
  TacBlurMode FMode = bmBlurBehind;
};

enum TacItemPosition { ipBeforeClose, ipAfterClose, ipFirst, ipLast };

// An extra submenu of the system menu.
class TacSysSubMenu : public TPersistent {
  DECLARE_CLASS_INFO

 public:
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value) { FCaption = Value; }
  TacItemPosition Position() const { return FPosition; }
  void SetPosition(TacItemPosition Value) { FPosition = Value; }
  // The popup menu whose items the submenu shows; not owned.
  TComponent* PopupMenu = nullptr;

 private:
  std::string FCaption;
  TacItemPosition FPosition = ipBeforeClose;
};

// A button the application adds to the title bar.
class TsTitleButton : public TCollectionItem {
  DECLARE_CLASS_INFO

 public:
  explicit TsTitleButton(TCollection& Collection) : TCollectionItem(Collection) { Data.cpGlyphType = tgUser; }

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& Value) { FHint = Value; }
  const std::string& Name() const { return FName; }
  void SetName(const std::string& Value) { FName = Value; }
  bool UseSkinData() const { return FUseSkinData; }
  // With the skin's data the button shows the skin's title-button image.
  void SetUseSkinData(bool Value) {
    FUseSkinData = Value;
    Data.cpGlyphType = Value ? tgUser : tgNone;
  }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value) { FVisible = Value; }
  TBitmap Glyph;
  TNotifyEvent OnMouseDown;
  TNotifyEvent OnMouseUp;
  TsCaptionButton Data;

 private:
  bool FEnabled = true;
  std::string FHint;
  std::string FName;
  bool FUseSkinData = true;
  bool FVisible = true;
};

class TsTitleButtons : public TCollection {
  DECLARE_CLASS_INFO

 public:
  TsTitleButton& Button(size_t Index) const { return static_cast<TsTitleButton&>(Items(Index)); }

 protected:
  std::unique_ptr<TCollectionItem> CreateItem() override { return std::make_unique<TsTitleButton>(*this); }
};
