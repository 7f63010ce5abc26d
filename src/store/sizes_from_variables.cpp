#include "store/sizes_from_variables.h"

#include <cstdio>

#include "common/plugin_globals.h"
#include "store/size_table_row.h"
#include "store/text_fields.h"
#include "store/variable_number.h"

namespace {

// Variable names per column of a size-table row, "%s" standing for the size
// name. The Japanese ones are Shift-JIS.
const char* const kEnglishPatterns[] = {
    "pitch_%s",        "collar_width_%s",   "sleeve_length_%s", "dress_length_%s", "bust_girth_%s",
    "sleeve_depth_%s", "shoulder_width_%s", "cuffs_width_%s",   "cuffs_height_%s",
};
const char* const kJapanesePatterns[] = {
    "\x83\x73\x83\x62\x83\x60_%s",          // pitch
    "\xe5\xe0\x8f\xe4_%s",                  // collar width
    "\x8b\xdc\x90\xa1_%s",                  // sleeve length
    "\x92\x85\x8f\xe4_%s",                  // dress length
    "\x83\x6f\x83\x58\x83\x67_%s",          // bust girth
    "\x91\xb3\x8f\xe4_%s",                  // sleeve depth
    "\x8c\xa8\x95\x9d_%s",                  // shoulder width
    "\x83\x4a\x83\x74\x83\x58\x8b\xd0_%s",  // cuffs width
    "\x83\x4a\x83\x74\x83\x58\x8f\xe4_%s",  // cuffs height
};

}  // namespace

const char* SizeTableVariablePattern(int16_t language, int column) {
  if (column < 0 || column > 8) return "";
  return language != 0 ? kEnglishPatterns[column] : kJapanesePatterns[column];
}

void SizeTableRowName(int row, char* out, size_t size) {
  if (size == 0) return;
  const PresetRecord& preset = gPlugin->presets[row];
  CopyTextCutValidTrail(out, size, preset.name, sizeof preset.name);
  if (out[0] == '\0') snprintf(out, size, "%d", row + 1);
}

void FillSizeTableFromVariables() {
  PluginGlobals* g = gPlugin;
  const char* const* patterns = g->language != 0 ? kEnglishPatterns : kJapanesePatterns;
  for (int r = 0; r < kSizeTableRows; ++r) {
    char sizeName[kNameSize];
    SizeTableRowName(r, sizeName, sizeof sizeName);
    for (int c = 0; c < kSizeTableColumns; ++c) {
      double& cell = SizeTableCell(g->sizeTable[r], c);
      char name[kNameSize + 32];
      snprintf(name, sizeof name, patterns[c], sizeName);
      cell = GetVariableNumber(name, cell);
    }
  }
}
