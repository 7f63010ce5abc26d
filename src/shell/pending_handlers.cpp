// TEMPORARY stand-ins, weak so that the real definitions win as they land.
#include "shell/pending_handlers.h"

__attribute__((weak)) void LoadPresetsFromDocument() {}
