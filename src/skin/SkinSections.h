#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "base/IniFile.h"

// The standard section slots every skin is asked for, in slot order.
enum TacSection {
  ssMenuItem, ssCheckBox, ssSpeedButton, ssSpeedButton_Small, ssToolButton, ssTransparent, ssGroupBox, ssDivider,
  ssWebButton, ssButton, ssComboNoEdit, ssButtonHuge, ssToolBar, ssEdit, ssGauge, ssSelection, ssStatusBar, ssPanel,
  ssPanelLow, ssTrackBar, ssProgressV, ssDragBar, ssGripH, ssGripV, ssProgressH, ssTabSheet, ssComboBox, ssCaption,
  ssMainMenu, ssSplitter, ssComboBtn, ssFormTitle, ssHint, ssDividerV, ssPageControl, ssTabTop, ssBarPanel,
  ssBarTitle, ssDialog, ssForm, ssScrollBtnLeft, ssScrollBtnTop, ssScrollBtnRight, ssScrollBtnBottom, ssScrollBar1H,
  ssScrollBar1V, ssScrollBar2H, ssScrollBar2V, ssScrollSliderH, ssScrollSliderV, ssSlider_Off, ssSlider_On,
  ssThumb_On, ssThumb_Off, ssMenuCaption, ssDialogTitle, ssMenuButton, ssMenuLine, ssFormHeader, ssTBBtn,
  ssTBMenuBtn, ssTBTab, ssColHeader, ssColHeaderA, ssColHeaderL, ssColHeaderR, ssUpDown
};

inline constexpr int acSectionCount = 67;
inline constexpr int acFirstFallbackSlot = ssMenuCaption;

extern const std::array<const char*, acSectionCount> acSectionNames;
// The slot a late slot borrows when the skin lacks its section; its own
// slot when it has none.
TacSection SectionFallback(TacSection Slot);

inline constexpr char s_GlobalInfo[] = "GLOBALINFO";
inline constexpr char s_Transparent[] = "TRANSPARENT";
inline constexpr char s_MainColor[] = "MAINCOLOR";

// The sections of the options that a skin is made of: the first
// acMaxSkinSections of them, in file order.
std::vector<std::string> SkinSectionNames(const TMemIniFile& Options);

// The names of the section records in index order: the options file's
// sections, sections of the common text the file lacks, then "TRANSPARENT"
// and "MAINCOLOR" when the file has none.
std::vector<std::string> SectionRecordNames(const TMemIniFile& Options, const TMemIniFile* CommonSections = nullptr);

// Exact, case-sensitive match; the first record wins; -1 when absent.
int FindSectionIndex(const std::vector<std::string>& RecordNames, std::string_view Section);

// A record appended for a missing late slot: a copy of the record at CopyOf
// with ParentClass set, or, when CopyOf is -1, an empty record (no states,
// every colour unset).
struct TacSectionCopy {
  TacSection Slot;
  std::string ClassName;
  std::string ParentClass;
  int CopyOf = -1;
};

struct TacStandardSlots {
  std::array<int, acSectionCount> Sections{};
  std::vector<TacSectionCopy> Copies;  // records appended after RecordNames, in this order
};

// Gives every slot the index of its section; late slots whose section is
// missing take their fallback's index and get a named copy appended to
// RecordNames.
TacStandardSlots AssignStandardSlots(std::vector<std::string>& RecordNames);
