// Whole-file text output and input shared by the preference, preset, size-table
// and CSV files. Text is written as the bytes held in memory (Shift-JIS).
#pragma once

#include <cstddef>
#include <cstdint>

#include "win_files.h"
#include "win_types.h"

constexpr int kTextFilePathSize = 260;

// Writes the text without its NUL to an open file; 1 when every byte went out.
int WriteTextLine(HFILE file, const char* text);

// A file being replaced. The text goes to a new file of a unique name in the
// target's folder, which is flushed to the disk and takes the target's place,
// keeping its permissions, only when every write succeeded, so a failure
// never costs the user the old file.
struct TextFileOutput {
  HFILE file;
  int failed;
  char path[kTextFilePathSize];
  char tempPath[MAX_PATH];
};

// 1 when the temporary file was created; 0 for a held file.
int BeginTextFileOutput(TextFileOutput* out, const char* path);
// Formats one line (printf rules) and writes it; a failure is remembered.
void WriteTextFileLine(TextFileOutput* out, const char* format, ...) __attribute__((format(printf, 2, 3)));
// Writes the bytes as they are; a failure is remembered.
void WriteTextFileBytes(TextFileOutput* out, const char* bytes, size_t count);
// Closes the file; 1 when the target now holds the new text, else the old file
// is left as it was and the temporary file removed.
int FinishTextFileOutput(TextFileOutput* out);
// The bytes as a new file beside `path`, never in the place of another: named
// `path` + `suffix`, or when that name is taken `path` + ".2" + `suffix`, ".3"
// and on. 1 when written, with the name it took in `placed` (kTextFilePathSize).
int WriteNewTextFile(const char* path, const char* suffix, const char* bytes, size_t count, char* placed);

// A file no writer may replace until the module starts again: a damaged file
// of which no copy could be kept.
void HoldTextFile(const char* path);
void ReleaseHeldTextFiles();

// The whole file in a NUL-terminated heap buffer, or null when it cannot be
// opened or read. `length` (optional) receives the byte count.
char* ReadTextFileWhole(const char* path, uint32_t* length);
void FreeTextFileBuffer(char* buffer);

// A file read whole: its bytes as they are on the disk, and its text as the
// module holds text (text_file_decode.h), NUL-terminated.
struct TextFileRead {
  char* bytes;
  uint32_t byteCount;
  char* text;  // the bytes themselves when they needed no conversion
  uint32_t length;
};
// 0, with nothing held, when the file cannot be opened or read.
int ReadTextFile(const char* path, TextFileRead* read);
void FreeTextFile(TextFileRead* read);
