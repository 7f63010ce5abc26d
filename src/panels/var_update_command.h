// The Variable panel's Update button: every titled piece of the document is
// graded again with its own variables and written out as "Update grading"
// would write the current piece.
#pragma once

#include <cstdint>

#include "host_types.h"

void RunVarUpdateCommand();
// Grades and writes each titled piece of the list for the current preset.
void RegradePiecesUsingVariables(ArtHandle* arts, int32_t count);
