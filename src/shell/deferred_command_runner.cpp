#include "shell/deferred_command_runner.h"

#include "common/deferred_command.h"
#include "common/suite_pointers.h"
#include "panels/inf_flyout_commands.h"
#include "panels/inf_panel_list.h"
#include "panels/var_flyout_commands.h"
#include "panels/variable_commands.h"
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
