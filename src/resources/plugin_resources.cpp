// One registration of every resource table; a resource id is one resource.
#include "resources/module_resources.h"
#include "resources/basic_settings_resource_ids.h"
#include "resources/panel_resources.h"
#include "resources/variable_dialog_resources.h"

void RegisterPluginResources(HINSTANCE__* instance) {
  if (instance == nullptr) return;
  RegisterCursorResources(instance);
  RegisterShellResources(instance);
  RegisterPanelResources(instance);
  RegisterHandleDialogResources(instance);
  RegisterUpdateGradingResources(instance);
  RegisterPresetDialogResources(instance);
  RegisterVariableDialogResources(instance);
  RegisterSimpleGradingResources(instance);
  RegisterFileCommandResources(instance);
  RegisterBasicSettingsResources(instance);
}
