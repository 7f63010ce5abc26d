// The letter-numbered names of a new measurement handle's variables.
#include <cstdio>
#include <cstring>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "engine/handle_measures.h"
#include "panels/variable_registration.h"
#include "text/localize.h"
#include "tools/handle_creation.h"
#include "tools/handle_kind.h"

namespace {

// "@距離", "@角度", "@長さ", "@半径" and their English partners.
constexpr int kMeasurementSuffixTexts[4] = {55, 56, 57, 58};
constexpr int kMeasurementNames = 4;
// A new letter needs room for the four names in the table.
constexpr int kLastRowForNewLetter = 196;

bool IsLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The localised suffix without its leading "@".
void SuffixText(int which, char* out, size_t outSize) {
  char text[kVarNameSize];
  LocalizeUiString(gPlugin->pluginRef, kLocalizedTexts[kMeasurementSuffixTexts[which]].japanese, text,
                   sizeof text);
  std::snprintf(out, outSize, "%s", text[0] == '@' ? text + 1 : text);
}

// 0 when no new letter may be given.
char NextMeasurementLetter(char suffixes[kMeasurementNames][kVarNameSize]) {
  const VariableTable& t = gPlugin->variables;
  if (t.varNames == nullptr) return 0;
  unsigned char last = 0;
  int row = 0;
  for (; row < kMaxVariables && t.varNames[row][0] != '\0'; ++row) {
    const char* name = t.varNames[row];
    for (int s = 0; s < kMeasurementNames; ++s) {
      const size_t n = std::strlen(suffixes[s]);
      if (n == 0 || n >= static_cast<size_t>(kVarNameSize) || std::strncmp(name, suffixes[s], n) != 0)
        continue;
      const unsigned char c = static_cast<unsigned char>(name[n]);
      if (IsLetter(c) && c > last) last = c;
    }
  }
  if (row >= kLastRowForNewLetter || last == 'z') return 0;
  if (last == 0) return 'A';
  if (last == 'Z') return 'a';
  return static_cast<char>(last + 1);
}

}  // namespace

void NameMeasurementVariables(RevisionHandle* handle) {
  char suffixes[kMeasurementNames][kVarNameSize];
  for (int s = 0; s < kMeasurementNames; ++s) SuffixText(s, suffixes[s], sizeof suffixes[s]);
  const char letter = NextMeasurementLetter(suffixes);
  if (letter == 0) return;
  const int names = HandleRunIsArc(*handle) ? kMeasurementNames : kMeasurementNames - 1;
  for (int s = 0; s < names; ++s) {
    char(&field)[kExprSize] = handle->line.amountExpr[s];
    std::snprintf(field, sizeof field, "%.*s%c", kExprSize - 2, suffixes[s], letter);
    RegisterVariable(gPlugin->pluginRef, "", field, "", 0);
  }
}
