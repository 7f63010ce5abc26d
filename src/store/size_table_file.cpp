#include "store/size_table_file.h"

#include <cstdio>

#include "common/plugin_globals.h"
#include "geometry/numeric.h"
#include "store/preferences_paths.h"
#include "store/size_table_row.h"
#include "text/number_text.h"

namespace {

constexpr char kSizeTableKeyPrefix[] = "grading_size_table_";
// The shortest of 15 or 17 significant digits that reads back as the same double.
void FormatExact(char* out, size_t size, double value) {
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
        std::snprintf(text[i], sizeof(text[i]), "%g", SinglePrecision(SizeTableCell(row, i)));
      }
    }
    WriteTextFileLine(out, "%s%02d = %s,%s,%s,%s,%s,%s,%s,%s,%s\r\n", kSizeTableKeyPrefix, r + 1, text[0],
                      text[1], text[2], text[3], text[4], text[5], text[6], text[7], text[8]);
  }
}

int ApplySizeTableLine(const KeyValueLine* line, int numbersOnly) {
  const int number = KeyRowNumber(line->key, kSizeTableKeyPrefix);
  if (number < 0) return 0;
  if (number < 1 || number > kSizeTableRows) return 1;
  SizeTableRow& row = gPlugin->sizeTable[number - 1];
  for (int i = 0; i < kSizeTableColumns; ++i) {
    const char* field = KeyValueField(line, i + 1);
    if (numbersOnly) {
      ReadLeadingNumber(field, &SizeTableCell(row, i));
    } else {
      SizeTableCell(row, i) = TextToReal(field);
    }
  }
  return 1;
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
  char* text = ReadTextFileWhole(path, nullptr);
  if (text == nullptr) return;
  const char* cursor = text;
  KeyValueLine line;
  while (NextKeyValueLine(&cursor, &line)) {
    if (line.key[0] == '\0' || line.value[0] == '\0') continue;
    ApplySizeTableLine(&line, /*numbersOnly=*/0);
  }
  FreeTextFileBuffer(text);
}
