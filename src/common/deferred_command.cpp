#include "common/deferred_command.h"

#include "common/suite_pointers.h"
#include "common/suite_table.h"

void PostDeferredCommand(uint32_t code, uint16_t arg1, uint16_t arg2, const OwnerDrawRecord* drawItem) {
  if (gPlugin == nullptr || gPlugin->currentView == nullptr) return;
  SPBasicSuite* basic = gPlugin->basicAtCallback;
  if (AcquireSuites(basic) == kNoErr && sAIActionManager != nullptr) {
    DeferredCommand& command = gPlugin->deferredCommand;
    command.code = code;
    command.arg1 = arg1;
    command.arg2 = arg2;
    if (drawItem != nullptr) command.drawItem = *drawItem;
    sAIActionManager->PlayActionEvent(kInternalActionName, 1, nullptr);
  }
  ReleaseSuites(basic);
}
