// The simple-grading dialogs: front body, back body and sleeve proportions,
// the measurement, and the size table with its named files. Each ends with
// 1 (OK) or 2 (Cancel).
#pragma once

#include <cstdint>

#include "win_api.h"

// Shows the dialog of a resource id (Japanese, or the English copy 1000 up)
// over the host's main window; 2 when it cannot be shown.
INT_PTR RunSimpleGradingDialog(HINSTANCE instance, int32_t resourceId);

INT_PTR FrontBodyDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR BackBodyDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR SleeveDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR SimpleMeasurementDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR SizeTableDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR SizeTableSaveAsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The grid and the basic size between the dialog and the globals.
void FillSizeTableControls(HWND dialog);
void ReadSizeTableControls(HWND dialog);

void AddResourceStringsToSizeTableCombo(HWND dialog, int controlId, UINT firstStringId, int count);
LRESULT SendSizeTableDlgItemMessage(HWND dialog, int controlId, UINT message, WPARAM wParam, LPARAM lParam);
// At most `count` bytes of source, then a NUL; nothing for a null source.
void CopySizeTableStringLeft(const char* source, int count, char* destination);
// Index of the first occurrence of pattern in text; -1 when absent or null.
int FindSizeTableSubstringIndex(const char* text, const char* pattern);

// The text of a combo row into out (size bytes); 0, with out empty, when the
// row is missing or does not fit.
int GetSizeTableComboText(HWND combo, int row, char* out, int size);
// Paints one row of the file combo box.
void DrawSizeTableComboItem(const DRAWITEMSTRUCT* item);

// Size-table files in the one size-table folder.
constexpr int kMaxListedSizeTables = 100;
constexpr char kUntitledSizeTable[] = "Untitled";
// Listed names, sorted without regard to case; returns how many.
int ListSizeTableFiles(char (*names)[256], int capacity);
// 1 when the list would show a file saved under the name as that name again.
int IsListedSizeTableName(const char* name);
int SizeTableFileExists(const char* name);
int DeleteSizeTableFile(const char* name);
