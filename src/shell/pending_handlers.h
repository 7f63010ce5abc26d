// TEMPORARY: functions other helpers are writing right now. Each line goes
// once its real header lands; callers then include that header instead.
#pragma once

void ReadPreferencesIni(const char* name);
int WritePreferencesIni(const char* name);
