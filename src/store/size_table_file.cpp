#include "store/size_table_file.h"

#include <cmath>
#include <cstdio>

#include "common/plugin_globals.h"
#include "store/damaged_file_notice.h"
#include "store/preferences_paths.h"
#include "store/size_table_row.h"
#include "store/text_fields.h"
#include "text/number_text.h"

namespace {

constexpr char kSizeTableKeyPrefix[] = "grading_size_table_";
// The shortest of 15 or 17 significant digits that reads back as the same
// double; a value that is no number, which no reader takes, as 0.
void FormatExact(char* out, size_t size, double value) {
  if (!std::isfinite(value)) value = 0;
  std::snprintf(out, size, "%.15g", value);
  if (TextToReal(out) != value) std::snprintf(out, size, "%.17g", value);
}

}  // namespace

void WriteSizeTableLines(TextFileOutput* out, int fullPrecision) {
  for (int r = 0; r < kSizeTableRows; ++r) {
    const SizeTableRow& row = gPlugin->sizeTable[r];
    char text[kSizeTableColumns][32];
    for (int i = 0; i < kSizeTableColumns; ++i) {
      if (fullPrecision) {
        FormatExact(text[i], sizeof(text[i]), SizeTableCell(row, i));
      } else {
        std::snprintf(text[i], sizeof(text[i]), "%g", StoredSinglePrecision(SizeTableCell(row, i)));
      }
    }
    WriteTextFileLine(out, "%s%02d = %s,%s,%s,%s,%s,%s,%s,%s,%s\r\n", kSizeTableKeyPrefix, r + 1, text[0],
                      text[1], text[2], text[3], text[4], text[5], text[6], text[7], text[8]);
  }
}

int ApplySizeTableLine(const KeyValueLine* line, int numbersOnly) {
  const int number = KeyRowNumber(line->key, kSizeTableKeyPrefix);
  if (number < 1 || number > kSizeTableRows) return -1;
  if (line->value[0] == '\0') return 0;
  SizeTableRow& row = gPlugin->sizeTable[number - 1];
  int understood = line->fields <= kSizeTableColumns + 1;
  for (int i = 0; i < kSizeTableColumns; ++i) {
    const char* field = KeyValueField(line, i + 1);
    // A missing cell is not a damaged one: the row was written shorter.
    double value = 0;
    if (i + 1 < line->fields && !ReadWholeNumber(field, &value) && !IsNanField(field)) understood = 0;
    if (numbersOnly) {
      ReadLeadingNumber(field, &SizeTableCell(row, i));
    } else {
      SizeTableCell(row, i) = TextToReal(field);
    }
  }
  return understood;
}

int WriteSizeTableFile(const char* name) {
  char path[kTextFilePathSize];
  TextFileOutput out;
  if (!BuildSizeTableFilePath(name, path, sizeof(path)) || !BeginTextFileOutput(&out, path)) return 0;
  WriteSizeTableLines(&out, /*fullPrecision=*/1);
  return FinishTextFileOutput(&out);
}

void ReadSizeTableFile(const char* name) {
  char path[kTextFilePathSize];
  if (!BuildSizeTableFilePath(name, path, sizeof(path))) return;
  TextFileRead file;
  if (!ReadTextFile(path, &file)) return;
  FileDamage damage{};
  KeyValueText text;
  BeginKeyValueText(&text, file.text, file.length);
  KeyValueLine line;
  while (NextKeyValueLine(&text, &line)) {
    // A damaged line is not taken at all: its file is kept as it was. A line
    // of another key, a row number out of range among them, is passed over.
    if (!line.whole || ApplySizeTableLine(&line, /*numbersOnly=*/0) == 0) NoteDamagedLine(&damage, line.number);
  }
  if (damage.lines > 0) KeepDamagedFile(path, file, damage);
  FreeTextFile(&file);
}
