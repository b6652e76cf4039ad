#pragma once
#include "framework/Classes.h"
#include "framework/Control.h"
#include "framework/Messages.h"

// The per-control skin binding, reachable from a window through its "ACSDATA"
// property. Delivery of skin commands needs only the window procedure it
// saved and the control that owns it.
class TsCommonData : public TPersistent {
 public:
  // Called directly by DirectSendMessage, bypassing the system's dispatch.
  TWndMethod WndProc;
  TControl* FOwnerControl = nullptr;
};
