// A variable of the current grading group read as a number.
#pragma once

// The value of the first variable named `name` (byte comparison), as a number;
// `fallback` when no variable has that name.
double GetVariableNumber(const char* name, double fallback);
