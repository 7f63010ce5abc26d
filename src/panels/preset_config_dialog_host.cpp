// What the preset dialogs take from the host: the module instance for their
// resources, the main window as their owner, and alerts.
#include <cstdio>

#include "common/host_string.h"
#include "common/module_instance.h"
#include "common/suite_pointers.h"
#include "panels/preset_config_dialog_internal.h"

HINSTANCE PresetDialogInstance(PluginRef pluginRef) {
  AccessRef access = nullptr;
  if (sAIPlugin == nullptr || sAIPlugin->GetPluginAccess(pluginRef, &access) != kNoErr) return nullptr;
  return ModuleInstance(access);
}

HWND PresetDialogParent() {
  HWND window = nullptr;
  if (sAIContext == nullptr || sAIContext->GetPlatformAppWindow(&window) != kNoErr) return nullptr;
  return window;
}

void ShowPresetMessage(const char* format, const char* name) {
  char text[512];
  std::snprintf(text, sizeof text, format, name);
  ShowMessageAlert(text);
}

int AskPresetQuestion(const char* format, const char* name) {
  if (sAIUser == nullptr) return 0;
  char text[512];
  std::snprintf(text, sizeof text, format, name);
  HostString question(text);
  int32_t answer = 0;
  if (sAIUser->OKCancelAlert(question.get(), 1, &answer) != kNoErr) return 0;
  return answer == 1;
}
