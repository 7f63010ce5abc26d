// Writing a measured value into a variable of the current grading group.
#pragma once

// The row of the first variable called name, -1 when none is.
int FindVariableRow(const char* name);

// Stores value (cut at 4,095 bytes, at a whole character) as the value text of
// the first variable called name; a name that no variable carries is ignored.
// 1 when the text it held was another.
int SetVariableValue(const char* name, const char* value);
