#include "engine/variable_value.h"

#include <cstring>

#include "shell/plugin_globals.h"
#include "store/text_fields.h"

void SetVariableValue(const char* name, const char* value) {
  if (gPlugin == nullptr || name == nullptr || value == nullptr) return;
  VariableTable& table = gPlugin->variables;
  if (table.varNames == nullptr || table.varValues == nullptr) return;
  const size_t length = std::strlen(name);
  for (int row = 0; row < kMaxVariables; ++row) {
    const char* rowName = table.varNames[row];
    const size_t rowLength = strnlen(rowName, kVarNameSize);
    if (rowLength == 0) return;
    if (rowLength == length && std::memcmp(rowName, name, length) == 0) {
      CopyTextCut(table.varValues[row], kVarValueSize, value);
      return;
    }
  }
}
