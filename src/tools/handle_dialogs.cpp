#include "tools/handle_dialogs.h"

constexpr int32_t kDialogCancel = 2;

int32_t ShowRevisionDialog(PluginRef, int32_t) { return kDialogCancel; }

int32_t ShowPointRevisionDialog(PluginRef, int32_t) { return kDialogCancel; }

int32_t ShowMeasurementDialog(PluginRef, int32_t) { return kDialogCancel; }
