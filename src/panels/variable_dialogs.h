// The variable dialogs: the list that picks a name to insert into an expression.
#pragma once

#include <cstdint>

#include "host_types.h"

struct HWND__;

// A picked "title:name" needs room for two 80-character texts, the colon and the NUL.
constexpr int kPickedVariableSize = 162;

// Runs the variable list as a child of parent; on 1 (OK) the picked text is in
// text (kPickedVariableSize bytes). Returns the dialog result.
int32_t ShowVariableListDialog(PluginRef pluginRef, HWND__* parent, char* text);
