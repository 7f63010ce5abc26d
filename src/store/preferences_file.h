// The preferences file and the named preset files.
#pragma once

#include "store/text_file_io.h"

// Null name: the main file with every setting; a name: that preset file with
// the preset lines only. 1 when the file was written, 0 when it was not (the
// old file is then left as it was).
int WritePreferencesIni(const char* name = nullptr);

// Null name: the main file; a name: that preset file, taking only its preset
// lines. A file that cannot be opened changes nothing.
void ReadPreferencesIni(const char* name = nullptr);

// The "grading_preset_%02d" lines of the preset table, from slot 0 up to the
// first free slot.
void WritePresetLines(TextFileOutput* out);
