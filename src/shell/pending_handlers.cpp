// TEMPORARY stand-ins, weak so that the real definitions win as they land.
#include "shell/pending_handlers.h"

__attribute__((weak)) void ReadPreferencesIni(const char*) {}
__attribute__((weak)) int WritePreferencesIni(const char*) { return 1; }
