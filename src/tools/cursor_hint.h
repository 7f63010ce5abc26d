// The small label shown on the desktop next to a panel button under the
// cursor; the screen pixels under it are kept so the next call puts them back.
#pragma once

// x is the label's centre column, y its top (screen pixels); an empty text
// only removes the previous label.
void ShowCursorHint(const char* text, int x, int y);
