// The close of every edit of the current piece's grading group: the preview
// rebuilt, each new art of it deselected, and the group saved with a new
// serial. The tools' own edits set their undo texts from the tool instead
// (StoreHandleChange in tools/handle_groups.h).
#pragma once

void StoreGradingEdit();

// Undo and redo texts from a localised pair (see text/undo_texts.h), then
// StoreGradingEdit.
void StoreAfterEdit(int undoTextIndex);
