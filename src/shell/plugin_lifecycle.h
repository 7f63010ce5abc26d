// Start-up, shut-down, unload and reload of the globals record.
#pragma once

#include "common/grading_records.h"
#include "host_types.h"

HostErr OnStartup(SPMessageData* message);
HostErr StartupPlugin(SPMessageData* message);
HostErr OnShutdown(SPMessageData* message);
void ShutdownPlugin();
HostErr OnUnload(SPMessageData* message);
HostErr OnReload(SPMessageData* message);
void UnloadHook();
HostErr ReloadHook();

void SetStartupDefaults(PluginRef pluginRef);
void FreeVariableTable(VariableTable& table);
void InitPresetRecord(PresetRecord* record, const char* name, int32_t scaleIndex, int16_t enabled,
                      int16_t empty, int16_t output);
