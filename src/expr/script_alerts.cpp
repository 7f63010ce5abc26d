#include "expr/script_alerts.h"

#include "common/plugin_globals.h"

namespace {

int32_t sActionDepth = 0;
// The depth at which the innermost open dialog of the module runs its message loop.
int32_t sDialogDepth = 0;
bool sAlertShown = false;
int32_t sAlertsShown = 0;

}  // namespace

ScriptActionScope::ScriptActionScope() {
  if (sActionDepth++ == sDialogDepth) sAlertShown = false;
}

ScriptActionScope::~ScriptActionScope() { --sActionDepth; }

ScriptDialogScope::ScriptDialogScope(bool previewTaken)
    : outerDialogDepth_(sDialogDepth),
      previewTaken_(previewTaken),
      outerShown_(sAlertShown),
      shownAtOpen_(sAlertsShown) {
  sDialogDepth = sActionDepth;
}

ScriptDialogScope::~ScriptDialogScope() {
  sDialogDepth = outerDialogDepth_;
  if (previewTaken_) sAlertShown = outerShown_ || sAlertsShown != shownAtOpen_;
}

SilentScriptErrors::SilentScriptErrors() : wasSilent_(gPlugin != nullptr ? gPlugin->scriptError.silent : 0) {
  if (gPlugin != nullptr) gPlugin->scriptError.silent = 1;
}

SilentScriptErrors::~SilentScriptErrors() {
  if (gPlugin != nullptr) gPlugin->scriptError.silent = wasSilent_;
}

int TakeScriptAlert() {
  if (gPlugin == nullptr || gPlugin->scriptError.silent != 0) return 0;
  // Outside every action (a call made by the module for itself) each error is shown.
  if (sActionDepth == 0) return 1;
  if (sAlertShown) return 0;
  sAlertShown = true;
  ++sAlertsShown;
  return 1;
}
