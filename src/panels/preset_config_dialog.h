// The preset configuration dialog: edits a working copy of the preset table
// and saves or loads it as named preset files.
#pragma once

#include <cstdint>

#include "host_types.h"
#include "win_api.h"

// Runs the dialog over a working copy of the presets; OK (1) writes the copy
// back in list order and moves the current preset slot with the preset that
// was current (onto the one listed before it when that preset was removed),
// Cancel (2) drops it.
intptr_t RunPresetManagerDialog(PluginRef pluginRef);

INT_PTR PresetConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Clears the preset table and fills slots 0, 1, 2, ... with the working-copy
// records of the list rows, in list order.
void RebuildPresetTableFromList(HWND dialog);
// Takes the chosen preset file (or the current table for "Untitled") into the
// working copy and the list.
void RefreshPresetList(HWND dialog);
void DrawPresetListItem(const DRAWITEMSTRUCT* item);
// An outline drawn by inverting, so drawing it twice takes it away.
void DrawXorFrame(HDC dc, const RECT* rect);

LRESULT SendPresetConfigDlgItemMessage(HWND dialog, int control, UINT message, WPARAM wParam, LPARAM lParam);
// The selected row of the preset list; -1 without a selection or when
// `noSelection` is set.
int GetPresetConfigListCurSel(HWND dialog, int noSelection);
// Copies at most `count` bytes of `source` (fewer when it is shorter, never
// half a double-byte character) and a NUL; `destination` holds count + 1.
void CopyPresetConfigStringLeft(char* destination, const char* source, int count);
// Offset of `needle` in `text`, or -1.
int FindPresetConfigSubstringIndex(const char* text, const char* needle);
// Draws `text` from (x, y), cut with "..." to `width` pixels.
void TextOutEllipsis(HDC dc, int x, int y, const char* text, int width);
// 0 a single-byte character, 1 a lead byte, 2 the trail byte of the pair
// before it; `offset` counts from the start of `text`.
int ShiftJisByteKind(const char* text, int offset);
int AbsInt(int value);
