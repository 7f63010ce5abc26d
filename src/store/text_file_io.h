// Whole-file text output and input shared by the preference, preset, size-table
// and CSV files. Text is written as the bytes held in memory (Shift-JIS).
#pragma once

#include <cstdint>

#include "win_files.h"
#include "win_types.h"

constexpr int kTextFilePathSize = 260;

// Writes the text without its NUL to an open file; 1 when every byte went out.
int WriteTextLine(HFILE file, const char* text);

// A file being replaced. The text goes to a temporary file in the target's
// folder, which takes the target's place only when every write succeeded, so a
// failure never costs the user the old file.
struct TextFileOutput {
  HFILE file;
  int failed;
  char path[kTextFilePathSize];
  char tempPath[kTextFilePathSize + 8];
};

// 1 when the temporary file was created.
int BeginTextFileOutput(TextFileOutput* out, const char* path);
// Formats one line (printf rules) and writes it; a failure is remembered.
void WriteTextFileLine(TextFileOutput* out, const char* format, ...) __attribute__((format(printf, 2, 3)));
// Closes the file; 1 when the target now holds the new text, else the old file
// is left as it was and the temporary file removed.
int FinishTextFileOutput(TextFileOutput* out);

// The whole file in a NUL-terminated heap buffer, or null when it cannot be
// opened or read. `length` (optional) receives the byte count.
char* ReadTextFileWhole(const char* path, uint32_t* length);
void FreeTextFileBuffer(char* buffer);
