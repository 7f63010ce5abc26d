// The host's Undo and Redo texts for the module's edits.
#pragma once

#include "resources/undo_text_pairs.h"

// Undo and redo texts from a localised pair of the text table, given by the
// index of its Japanese undo text (the redo text follows it).
void SetLocalizedUndoRedoText(int undoTextIndex);
