// The hint label drawn next to the cursor on the desktop.
#pragma once

#include <cstdint>

// Screen pixels; an empty text only removes the previous hint.
void ShowCursorHint(const char* text, int32_t x, int32_t y);
