// The Variable panel's list.
#pragma once

#include "win_messages.h"

struct HDC__;

// Paints one row at once, from inside the panel's window procedure.
void PaintVariablePanelItem(const DRAWITEMSTRUCT* item);

// Draws a text on one line, control bytes shown as spaces, cut from the end
// by whole characters and ended with "..." when wider than maxWidth pixels.
void TextOutWithEllipsis(HDC__* dc, const char* text, POINT point, int maxWidth);
