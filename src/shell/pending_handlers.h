// TEMPORARY: functions other helpers are writing right now. Each line goes
// once its real header lands; callers then include that header instead.
#pragma once

#include <cstdint>

void ReadPreferencesIni(const char* name);
int WritePreferencesIni(const char* name);
void BuildGradingPreview(int16_t deselect, int16_t layerChoice);
