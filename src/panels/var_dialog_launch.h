// The variable edit dialog, run on copies of one variable's fields.
#pragma once

#include <cstdint>

#include "host_types.h"

// Runs the variable edit dialog on copies of the three fields; they are
// written back only when it ends with 1, which is returned.
intptr_t ShowVariableDialog(PluginRef pluginRef, char* name, char* value, uint32_t* isPrivate);
