#include "panels/variable_registration.h"

#include <cstring>

#include "common/host_string.h"
#include "common/plugin_globals.h"
#include "store/text_fields.h"
#include "store/variable_rows.h"
#include "text/localize.h"

namespace {

constexpr int kTooManyVariablesText = 41;
constexpr int kDuplicateVariableText = 42;

bool SameName(const char* row, const char* name) { return std::strncmp(row, name, kVarNameSize) == 0; }

void ShowLocalizedAlert(PluginRef pluginRef, int textIndex) {
  char text[256];
  LocalizeUiString(pluginRef, kLocalizedTexts[textIndex].japanese, text, sizeof text);
  ShowMessageAlert(text);
}

}  // namespace

int32_t RegisterVariable(PluginRef pluginRef, const char* oldName, const char* newName, const char* value,
                         uint32_t isPrivate) {
  VariableTable& t = gPlugin->variables;
  if (t.varNames == nullptr || t.varValues == nullptr || t.varPrivate == nullptr) return kVariableTableFull;
  // Names are compared as the table would hold them.
  char oldCut[kVarNameSize], newCut[kVarNameSize];
  CopyTextCutValidTrail(oldCut, sizeof oldCut, oldName != nullptr ? oldName : "");
  CopyTextCutValidTrail(newCut, sizeof newCut, newName != nullptr ? newName : "");

  int32_t result = kVariableTableFull;
  for (int32_t row = 0; row < kMaxVariables; ++row) {
    const char* name = t.varNames[row];
    if (name[0] == '\0' || SameName(name, oldCut)) {
      result = row;
      break;
    }
    if (SameName(name, newCut)) {
      result = kVariableDuplicate;
      break;
    }
  }
  // A rename onto a name further down would leave two rows of one name.
  if (result >= 0 && newCut[0] != '\0' && !SameName(t.varNames[result], newCut)) {
    for (int32_t row = result + 1; row < kMaxVariables && t.varNames[row][0] != '\0'; ++row) {
      if (SameName(t.varNames[row], newCut)) {
        result = kVariableDuplicate;
        break;
      }
    }
  }
  if (result < 0) {
    if (newCut[0] != '\0') {
      ShowLocalizedAlert(pluginRef,
                         result == kVariableDuplicate ? kDuplicateVariableText : kTooManyVariablesText);
    }
    return result;
  }
  if (newCut[0] != '\0') {
    std::memcpy(t.varNames[result], newCut, kVarNameSize);
    CopyTextCutValidTrail(t.varValues[result], kVarValueSize, value != nullptr ? value : "");
    t.varPrivate[result] = isPrivate;
  } else if (oldCut[0] != '\0') {
    RemoveVariableRow(t, result, false);
  }
  return result;
}

void ShowDuplicateVariableAlert(PluginRef pluginRef) {
  ShowLocalizedAlert(pluginRef, kDuplicateVariableText);
}
