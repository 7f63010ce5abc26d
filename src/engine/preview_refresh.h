// Rebuilding and clearing the grading preview from the selection. The panels'
// lists follow each (panels/grading_preview_refresh.h).
#pragma once

#include <cstdint>

#include "host_types.h"

// Gathers the selected piece and loads its grading group; when forced, also
// makes the preview layer and rebuilds the preview without an undo step.
void RefreshPreviewFromSelection(int16_t force);
// Deletes the preview layer and forgets the current piece.
void ClearPreviewOfPiece();

// Forgets the current piece, its preview copies, the preview layer and the
// loaded grading group, leaving the document as it is.
void ForgetGradingPiece();

// Deletes the module's preview layer of the current document, if there is one.
void DeletePreviewLayer();
