#include "engine/variable_value.h"

#include <cstring>

#include "common/plugin_globals.h"
#include "store/text_fields.h"

int FindVariableRow(const char* name) {
  if (gPlugin == nullptr || name == nullptr) return -1;
  const VariableTable& table = gPlugin->variables;
  if (table.varNames == nullptr || table.varValues == nullptr) return -1;
  const size_t length = std::strlen(name);
  for (int row = 0; row < kMaxVariables; ++row) {
    const char* rowName = table.varNames[row];
    const size_t rowLength = strnlen(rowName, kVarNameSize);
    if (rowLength == 0) return -1;
    if (rowLength == length && std::memcmp(rowName, name, length) == 0) return row;
  }
  return -1;
}

int SetVariableValue(const char* name, const char* value) {
  const int row = FindVariableRow(name);
  if (row < 0 || value == nullptr) return 0;
  char* text = gPlugin->variables.varValues[row];
  char cut[kVarValueSize];
  CopyTextCutValidTrail(cut, sizeof cut, value);
  if (std::strcmp(cut, text) == 0) return 0;
  std::memcpy(text, cut, std::strlen(cut) + 1);
  return 1;
}
