// The controls inside a panel's platform window: the list, the four icon
// buttons, their layout and their painting.
#pragma once

#include <cstdint>

#include "common/plugin_globals.h"
#include "win_messages.h"

constexpr int kPanelListId = 1;
constexpr int kDeleteButtonId = 3;
constexpr int kEditButtonId = 4;
constexpr int kNewOrLockButtonId = 5;
constexpr int kUpdateButtonId = 6;
constexpr int kInfoRowHeight = 40;
constexpr int kVariableRowHeight = 20;
constexpr unsigned kInfoWindowTimerId = 1001;

void BuildInfoPanelControls(HWND__* window);
void BuildVariablePanelControls(HWND__* window);

// Fills a rectangle from its edges given in this order.
void MakeRect(RECT* rect, int32_t top, int32_t left, int32_t bottom, int32_t right);
HWND__* CreateOwnerDrawButton(HWND__* parent, const RECT* rect, int controlId, int iconIndex);

// The layout rectangle of a button for a client area of w x h.
void PanelButtonRect(int controlId, int32_t w, int32_t h, RECT* rect);
// Takes the window's client area as the layout rectangle and moves the list
// and the buttons to it.
void RelayoutPanel(HWND__* window, LayoutRect* layout);

// A host theme colour as the system's colour value.
COLORREF ThemeColorRef(const ThemeColor& color);
// The asynchronous state of the left mouse button.
bool LeftMouseButtonDown();

// Paints one owner-drawn button of a panel with that panel's icons.
void PaintPanelButton(const PanelWindowState& state, const DRAWITEMSTRUCT* item);
