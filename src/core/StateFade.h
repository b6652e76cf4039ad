#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>

#include "base/Sets.h"
#include "framework/TypeInfo.h"
#include "core/ThreadedTimer.h"

class TsCommonData;
class TsSkinManager;

// Which of a control's events animate; aeGlobalDef leaves it to the manager.
enum class TacAnimatEvent { aeMouseEnter, aeMouseLeave, aeMouseDown, aeMouseUp, aeClick, aeLighting, aeGlobalDef };
using TacAnimatEvents = TSet<TacAnimatEvent>;
extern const TIdentTable<TacAnimatEvent> kAnimatEventIdents;

bool AnimationAllowed(TacAnimatEvent Event, const TacAnimatEvents& Events, TsSkinManager* Manager);

// Moves the control to NewState: a fade from the image on screen when
// Animate allows and the control can, else a plain repaint.
void ChangeState(TsCommonData* Data, int32_t NewState, const TacAnimProc& Paint, bool ShowGlow, bool AFast,
                 bool Animate);
void StartFade(TsCommonData* Data, int32_t NewState, const TacAnimProc& Paint, bool AFast);
// Jumps a running fade to its end image.
void FinishAnimation(TsCommonData* Data);

// The plain cross-fade step.
bool FadeStep(TsCommonData* Data, int32_t Iteration);
// The pressed fade of a button with the click circle: the new image spreads
// from the click point.
bool ClickCircleStep(TsCommonData* Data, int32_t Iteration);
// Turns a held click circle into the release fade; false when none is held.
bool ReleaseClickCircle(TsCommonData* Data);

// Told of every animation frame put on a window (tests count them).
using TacAnimFrameObserver = std::function<void(HWND Window, int32_t State, int32_t Iteration)>;
void SetAnimFrameObserver(TacAnimFrameObserver Observer);
void NotifyAnimFrame(HWND Window, int32_t State, int32_t Iteration);
