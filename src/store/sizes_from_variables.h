// The size table of a simple-grading object, refilled from the variables its
// size chart registered.
#pragma once

#include <cstddef>
#include <cstdint>

void FillSizeTableFromVariables();

// The variable name format of size-table column 0-8 ("%s" the size name), in
// the language's own words (Shift-JIS for Japanese).
const char* SizeTableVariablePattern(int16_t language, int column);

// The name of size-table row `row`: its preset's name, or its number from 1
// when the preset has none.
void SizeTableRowName(int row, char* out, size_t size);
