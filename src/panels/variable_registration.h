// Adding, renaming and deleting one variable of the variable table.
#pragma once

#include <cstdint>

#include "common/grading_records.h"
#include "host_types.h"

constexpr int32_t kVariableTableFull = -1;
constexpr int32_t kVariableDuplicate = -2;

// The first row that is empty or holds oldName takes newName, value and the
// private flag; a row holding newName first refuses (-2), no such row at all
// too (-1); newName held by a later row refuses too (-2). Each refusal has its
// alert when newName is not empty. An empty newName
// with a non-empty oldName deletes that row. Returns the row.
int32_t RegisterVariable(PluginRef pluginRef, const char* oldName, const char* newName, const char* value,
                         uint32_t isPrivate);

void ShowDuplicateVariableAlert(PluginRef pluginRef);
