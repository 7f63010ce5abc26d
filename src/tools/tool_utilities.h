// Small services of the revision tools: the refusal beep, cursors by snap
// kind, and the undo texts named after a tool.
#pragma once

#include <cstdint>

#include "host_types.h"

// Every refusal of the tools.
void Beep();

// Cursor resource of a SnapKind.
int32_t CursorIdForSnapKind(int16_t kind);
// Loads the module's cursor and makes it current; a cursor that cannot be loaded leaves the old one.
void SetCursorFromResource(PluginRef pluginRef, int32_t cursorId);

// Undoes the changes of the current host call, then sets "Undo <tool>" and
// "Redo <tool>" (or the Japanese forms) from the tool's registered name.
void SetToolUndoRedoText(ToolHandle tool);
