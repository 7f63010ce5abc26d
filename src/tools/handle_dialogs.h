// The dialogs that edit one revision handle or handle group, and the basic
// settings dialog. Each returns the dialog's result, 1 for OK.
#pragma once

#include <cstdint>

#include "host_types.h"

int32_t ShowRevisionDialog(PluginRef pluginRef, int32_t slot);
int32_t ShowPointRevisionDialog(PluginRef pluginRef, int32_t slot);
// 1 only when the handle's variables took their new names.
int32_t ShowMeasurementDialog(PluginRef pluginRef, int32_t slot);
int32_t RunBasicSettingsDialog();
