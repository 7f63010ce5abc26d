// The size table of the simple-grading family as named files, and its rows
// as lines of the preferences file.
#pragma once

#include "store/text_file_io.h"
#include "store/text_file_lines.h"

// 1 when the file was written, 0 when not (the old file is then left as it was).
int WriteSizeTableFile(const char* name);
// Changes only the rows the file holds; a file that cannot be opened changes nothing.
void ReadSizeTableFile(const char* name);

// The ten "grading_size_table_%02d" lines; full precision reads back exactly,
// otherwise the values pass through single precision.
void WriteSizeTableLines(TextFileOutput* out, int fullPrecision);
// Sets a row from a "grading_size_table_NN" line. A value that is no number
// reads as 0, or with numbersOnly keeps the row's old value. 1 when the line
// was understood whole; 0 for a row line that was not (no value, a cell that
// is no number, a cell too many); -1 for another key or a row number outside
// the table.
int ApplySizeTableLine(const KeyValueLine* line, int numbersOnly);
