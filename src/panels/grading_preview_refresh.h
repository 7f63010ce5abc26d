// The grading preview kept in step with the selection, and the Information
// and Variable panels' lists with it.
#pragma once

#include <cstdint>

// Gathers the selected piece and loads its grading group; when forced, also
// makes the preview layer and rebuilds the preview without an undo step. The
// lists are rebuilt after.
void RefreshGradingPreview(int16_t force);
// Deletes the preview layer and forgets the current piece, then rebuilds the lists.
void ClearGradingPreview();
