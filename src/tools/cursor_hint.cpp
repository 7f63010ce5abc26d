#include "tools/cursor_hint.h"

void ShowCursorHint(const char*, int32_t, int32_t) {}
