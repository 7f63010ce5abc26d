// Rebuilding and clearing the grading preview from the selection.
#pragma once

#include <cstdint>

void RefreshGradingPreview(int16_t force);
void ClearGradingPreview();
