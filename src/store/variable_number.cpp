#include "store/variable_number.h"

#include <cstring>

#include "common/plugin_globals.h"
#include "store/text_fields.h"

double GetVariableNumber(const char* name, double fallback) {
  const VariableTable& table = gPlugin->variables;
  if (name == nullptr || name[0] == '\0' || table.varNames == nullptr || table.varValues == nullptr)
    return fallback;
  for (int row = 0; row < kMaxVariables; ++row) {
    if (strncmp(table.varNames[row], name, kVarNameSize) == 0) return TextToReal(table.varValues[row]);
  }
  return fallback;
}
