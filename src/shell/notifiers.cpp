#include "shell/notifiers.h"

#include "common/plugin_globals.h"
#include "panels/inf_flyout_commands.h"
#include "panels/panel_windows.h"
#include "panels/variable_commands.h"
#include "store/presets_in_document.h"

HostErr OnNotify(NotifierMessage* message) {
  if (message->notifier == nullptr) return kNoErr;
  if (message->notifier == gPlugin->notifierAppStarted) {
    gPlugin->basicAtCallback = message->d.basic;
    CreateInfPanel(message);
    CreateVarPanel(message);
  } else if (message->notifier == gPlugin->notifierDocChanged) {
    gPlugin->basicAtCallback = message->d.basic;
    LoadPresetsFromDocument();
    UpdateInfFlyoutState();
    UpdateVarFlyoutState();
  }
  return kNoErr;
}
