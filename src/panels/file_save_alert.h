// The alert of a file that could not be written (a preset file, an exported
// variables file): a beep and "Create '%s' File is Failed." or its Japanese form.
#pragma once

void ShowFileSaveFailed(const char* name);
