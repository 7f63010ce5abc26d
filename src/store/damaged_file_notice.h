// What the file readers do when a file held lines they could not read: the
// user is told once, and a file the module may write again is first kept as
// it was.
#pragma once

#include "store/text_file_io.h"

// The lines of one file that were not understood.
struct FileDamage {
  int lines;
  int firstLine;  // from 1
};
void NoteDamagedLine(FileDamage* damage, int line);

// A preferences, preset or size-table file: the file as it was is copied to
// "<file>.bak" beside it, or to "<file>.2.bak" and on when an older copy is
// there, and the user is told which file it was and where the copy is. 0 when
// no copy could be made; the file is then held, so that no writer of the
// module replaces it.
int KeepDamagedFile(const char* path, const TextFileRead& read, const FileDamage& damage);

// A variables file, which an import never writes: the user is told which
// lines were left out.
void TellDamagedImport(const char* path, const FileDamage& damage);
