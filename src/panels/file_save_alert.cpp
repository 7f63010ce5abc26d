#include "panels/file_save_alert.h"

#include <cstdio>

#include "common/host_string.h"
#include "common/plugin_globals.h"
#include "resources/file_command_resources.h"
#include "text/localize.h"
#include "win_api.h"

void ShowFileSaveFailed(const char* name) {
  MessageBeep(MB_BEEP_DEFAULT);
  char text[512];
  if (gPlugin->language != kLanguageJapanese) {
    std::snprintf(text, sizeof text, kSaveFailedEnglish, name);
  } else {
    std::snprintf(text, sizeof text, kSaveFailedJapanese, name, -1);
  }
  ShowMessageAlert(text);
}
