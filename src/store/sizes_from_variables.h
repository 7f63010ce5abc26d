// The size table of a simple-grading object, refilled from the variables its
// size chart registered.
#pragma once

void FillSizeTableFromVariables();
