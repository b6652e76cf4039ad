#include "manager/FormAttachment.h"

namespace {
TacFormAttachment*& AttachmentSlot() {
  static TacFormAttachment* attachment = nullptr;
  return attachment;
}
}  // namespace

void SetFormAttachment(TacFormAttachment* Attachment) { AttachmentSlot() = Attachment; }
TacFormAttachment* FormAttachment() { return AttachmentSlot(); }
