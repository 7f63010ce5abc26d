// The variable table as a comma-separated Shift-JIS text file: one line per
// variable with its owner title, name, private flag and value (how values are
// written: variables_csv.cpp).
#pragma once

// Writes the table to `path` (code page 932), replacing any file there.
// 1 when written; 0 when the file could not be created or written whole, and
// the old file, if any, is left as it was.
int WriteVariablesCsv(const char* path);

// Takes the values of the file's lines into the rows with the same owner and
// name; rows are never added, removed or renamed. Lines may end in CR LF, LF
// or CR alone. A line not understood (a NUL, a quote left open, a field too
// many or too few, no owner or name) changes nothing; the user is told once of
// such lines, and of values cut to the table's room.
void ReadVariablesCsv(const char* path);
