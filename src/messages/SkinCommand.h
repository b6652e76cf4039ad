#pragma once
#include <windows.h>

#include <functional>

#include "framework/Classes.h"
#include "framework/Messages.h"
#include "graphics/Color.h"

class TControl;
class TWinControl;

// The one private message of the skin engine: the sub-command in the high
// word of wParam, a small argument in the low word, a pointer or object in
// lParam. A result of 0 means "not handled"; answers that can be 0 are sent
// as value + 1.
constexpr UINT SM_SKINCOMMAND = 0xA100;

constexpr WPARAM MakeSkinCommand(int command, int argument = 0) {
  return (static_cast<WPARAM>(command) << 16) + static_cast<WPARAM>(argument & 0xFFFF);
}
constexpr int SkinCommandOf(WPARAM wParam) { return static_cast<int>((wParam >> 16) & 0xFFFF); }
constexpr int SkinArgumentOf(WPARAM wParam) { return static_cast<int>(wParam & 0xFFFF); }

// The answer record of SK_GET_COLORING; a colour not set is clNone.
struct TacColoring {
  TColor ColorBG = clNone;
  TColor ColorGlyph = clNone;
  TColor ColorText = clNone;
};

constexpr int SK_SKIN_LOADED = 1;
constexpr int SK_SKIN_REMOVED = 2;
constexpr int SK_REFRESH = 3;
constexpr int SK_GET_PROVIDER = 4;
constexpr int SK_CHILD_PAINTING = 5;
constexpr int SK_END_PARENT_UPDATE = 6;
constexpr int SK_IS_SKINNED = 7;
constexpr int SK_SET_UPDATING = 8;
constexpr int SK_GET_DEFAULT_INDEX = 9;
constexpr int SK_IS_UPDATING = 10;
constexpr int SK_IS_HALF_VISIBLE = 11;
constexpr int SK_GET_ADAPTER = 12;
constexpr int SK_SECTION_CHANGED = 13;
constexpr int SK_MENU_BORDER = 14;
constexpr int SK_SET_SECTION = 15;
constexpr int SK_STOP_ANIMATION = 16;
constexpr int SK_BG_CHANGED = 17;
constexpr int SK_INVALIDATE = 18;
constexpr int SK_BG_VARIES = 19;
constexpr int SK_REPAINT_IF_MOVED = 20;
constexpr int SK_GET_BG_COLOR = 21;
constexpr int SK_SET_HALF_VISIBLE = 22;
constexpr int SK_PREPARE_CACHE = 23;
constexpr int SK_ADAPT_CHILDREN = 25;
constexpr int SK_GET_INDEX = 26;
constexpr int SK_GET_MANAGER = 27;
constexpr int SK_MOUSE_ENTER = 29;
constexpr int SK_MOUSE_LEAVE = 30;
constexpr int SK_BEGIN_UPDATE = 31;
constexpr int SK_END_UPDATE = 32;
constexpr int SK_CLEAR_CACHE = 33;
constexpr int SK_GET_BG = 34;
constexpr int SK_FONT_CHANGED = 36;
constexpr int SK_GET_SKIN_DATA = 37;
constexpr int SK_PRINT_MODE = 38;
constexpr int SK_LIGHT = 39;
constexpr int SK_PAINT_OUTER = 40;
constexpr int SK_FLUENT_HANDLE = 41;
constexpr int SK_INIT_TRANSPARENCY = 42;
constexpr int SK_FORCE_OPAQUE = 44;
constexpr int SK_BEGIN_SCROLL = 51;
constexpr int SK_END_SCROLL = 52;
constexpr int SK_SCROLLS_CHANGED = 53;
constexpr int SK_GET_COLORING = 54;
constexpr int SK_FRAME_ADAPTER = 55;
constexpr int SK_GET_APPLICATION = 60;
constexpr int SK_GET_CLIENT_OFFSET = 61;
constexpr int SK_REPAINT_FRAME = 62;
constexpr int SK_GLUED_STATE = 63;
constexpr int SK_GET_FRAME_FLAG = 64;
constexpr int SK_SET_ALPHA = 65;
constexpr int SK_GET_TEXT_SOURCE = 66;
constexpr int SK_GET_FRAME_WIDTH = 67;
constexpr int SK_PPI_CHANGED = 68;
constexpr int SK_GET_PPI = 69;
constexpr int SK_GET_BOUNDS = 70;
constexpr int SK_PREVIEW_READY = 71;
constexpr int SK_SHADOW = 73;
constexpr int SK_SKIN_CHANGED = 74;
constexpr int SK_SKIN_LIST_CHANGED = 75;
constexpr int SK_EXT_BORDERS_FIRST = 76;
constexpr int SK_EXT_BORDERS_LAST = 81;
constexpr int SK_DROP_EFFECTS = 82;
constexpr int SK_CLIENT_AREA = 83;
constexpr int SK_IS_ACTIVE = 85;
constexpr int SK_GET_COMMON_SKIN_DATA = 86;
constexpr int SK_TITLE_ITEM = 87;
constexpr int SK_GET_DEFAULT_KIND = 88;
constexpr int SK_GET_EFFECT_RECT = 89;
constexpr int SK_GET_TEXT_RECT = 90;
constexpr int SK_STATUS_BAR = 92;
constexpr int SK_LIST_LOADED = 97;

// Sub-commands that read or write through a pointer in LParam, or answer with
// a pointer into this process. Any process on the desktop can send our
// windows SM_SKINCOMMAND; such a sub-command is answered only when this
// thread delivered it (DeliveredByOwnThread), and a foreign sender gets 0.
// SK_IS_SKINNED answers anyone and writes its flag only for this thread.
bool IsPointerSkinCommand(int command);
// False for a pointer sub-command that this thread did not deliver.
bool MayAnswerSkinCommand(const TMessage& message);

// Window properties that mark a window as part of the skinning system.
inline constexpr wchar_t kAcsDataProperty[] = L"ACSDATA";
inline constexpr wchar_t kAcsAdapterProperty[] = L"ACSBSC";

// What a window's "ACSDATA" property points to, as far as delivery needs it:
// the window procedure to call directly and the control that owns it. Only
// the common skin data of a control or form is one.
class TacSkinCommandTarget : public TPersistent {
 public:
  ~TacSkinCommandTarget() override;
  TacSkinCommandTarget(const TacSkinCommandTarget&) = delete;
  TacSkinCommandTarget& operator=(const TacSkinCommandTarget&) = delete;

  // Puts the property on Window (taking it off the previous one), or takes it off.
  void SetPropertyWindow(HWND Window);
  HWND PropertyWindow() const { return FPropertyWindow; }

  // Called directly by DirectSendMessage, bypassing the system's dispatch.
  TWndMethod WndProc;
  TControl* FOwnerControl = nullptr;

 protected:
  TacSkinCommandTarget();

 private:
  HWND FPropertyWindow = nullptr;
};

// The target behind a window's "ACSDATA" property: a live target of this
// process that put the property on that very window, or null. Windows of
// other processes may carry the property too; their value is not ours to read.
TacSkinCommandTarget* SkinCommandTargetOf(HWND window);

// Calls the window procedure saved in the window's common skin data directly
// (an exception inside answers 0), or sends the message the usual way.
LRESULT DirectSendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendSkinCommand(HWND window, int command, LPARAM lParam = 0);
// True when the receiver answered exactly 1.
bool SendBoolSkinCommand(HWND window, int command, LPARAM lParam = 0);

// Graphic controls get the message through Perform; windowed controls being
// destroyed or without a window get nothing (0).
LRESULT SendSkinCommandToControl(TControl* control, int command, LPARAM lParam = 0);
LRESULT SendSkinCommandToControl(TControl* control, UINT message, WPARAM wParam, LPARAM lParam);

// Carries "ACSDATA" or "ACSBSC", or answers SK_IS_SKINNED with 1.
bool IsSkinAwareWindow(HWND window);

// Lets a skinning extension keep a broadcast out of a windowed child's children.
using TacBroadcastFilter = std::function<bool(TWinControl* child)>;
void SetBroadcastFilter(TacBroadcastFilter filter);

// Walks the child controls by index (the count is read again before each),
// stopping at a child that is being destroyed. Windowed children are reached
// directly and, unless skin-aware (they pass it on themselves) or filtered,
// recursed into; other children get it through Perform. The message's Result
// is overwritten by every receiver.
void BroadcastToChildControls(TWinControl* parent, TMessage& message);
// Sends to the direct child windows only, in the system's enumeration order.
void BroadcastToChildWindows(HWND window, TMessage& message);
// Sends to every form of the application that is not being destroyed:
// directly to those with a window, through Perform to the others. The list
// of forms is taken first, so a receiver may add or free forms.
void SendToEveryForm(UINT message, WPARAM wParam, LPARAM lParam);
