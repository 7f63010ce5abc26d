// The Variable panel's list.
#pragma once

#include "win_messages.h"

// Paints one row at once, from inside the panel's window procedure.
void PaintVariablePanelItem(const DRAWITEMSTRUCT* item);
