#include "shell/deferred_command.h"

#include "panels/inf_flyout_commands.h"
#include "panels/inf_panel_list.h"
#include "panels/variable_commands.h"
#include "shell/suite_pointers.h"
#include "shell/suite_table.h"
#include "tools/handle_commands.h"

namespace {

HWND__* PanelWindow(PanelHandle panel) {
  HWND__* window = nullptr;
  sAIPanel->GetPlatformWindow(panel, &window);
  return window;
}

}  // namespace

HostErr RegisterInternalAction(SPMessageData* message) {
  ActionParamsHandle params = nullptr;
  sAIActionManager->NewActionParamType(&params);
  if (params != nullptr && message->self != nullptr) {
    sAIActionManager->RegisterActionEvent(kInternalActionName, kInternalActionName, 1, 0, message->self,
                                          params);
  }
  if (params != nullptr) sAIActionManager->DeleteActionParamType(params);
  return kNoErr;
}

HostErr RunDeferredCommand() {
  DeferredCommand& command = gPlugin->deferredCommand;
  if (command.code == kDeferredPaintInfItem) {
    PaintInfoPanelItem(&command.drawItem);
  } else if (command.code == kDeferredInfPanelCommand) {
    if (gPlugin->infPanel != nullptr)
      RunInfPanelCommand(PanelWindow(gPlugin->infPanel), command.arg1, command.arg2);
  } else if (command.code == kDeferredVarPanelCommand) {
    if (gPlugin->varPanel != nullptr)
      RunVarPanelCommand(PanelWindow(gPlugin->varPanel), command.arg1, command.arg2);
  } else if (command.code == kDeferredInfFlyoutItem) {
    RunInfFlyoutCommand(command.arg1);
  } else if (command.code == kDeferredVarFlyoutItem) {
    RunVarFlyoutCommand(command.arg1);
  }
  command.code = kDeferredNone;
  command.arg1 = 0;
  command.arg2 = 0;
  return kNoErr;
}

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
