// A zeroed globals record with its variable table, as the expression
// language needs it, for tests, the benchmark and the fuzz target.
#pragma once

#include <cstdlib>

#include "common/plugin_globals.h"
#include "shell/plugin_lifecycle.h"

inline PluginGlobals* NewScriptGlobals() {
  auto* g = static_cast<PluginGlobals*>(std::calloc(1, sizeof(PluginGlobals)));
  VariableTable& table = g->variables;
  table.varValues = static_cast<char(*)[kVarValueSize]>(std::calloc(kMaxVariables, kVarValueSize));
  table.varNames = static_cast<char(*)[kVarNameSize]>(std::calloc(kMaxVariables, kVarNameSize));
  table.varTitles = static_cast<char(*)[kVarNameSize]>(std::calloc(kMaxVariables, kVarNameSize));
  table.varPrivate = static_cast<uint32_t*>(std::calloc(kMaxVariables, sizeof(uint32_t)));
  g->unitPerPoint = 0.35277777777777775;  // mm
  g->grading_compscale = 1.0;
  return g;
}

inline void DeleteScriptGlobals(PluginGlobals* g) {
  FreeVariableTable(g->variables);
  std::free(g);
}
