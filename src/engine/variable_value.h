// Writing a measured value into a variable of the current grading group.
#pragma once

// Stores value (cut at 4,095 bytes, at a whole character) as the value text of
// the first variable called name; a name that no variable carries is ignored.
void SetVariableValue(const char* name, const char* value);
