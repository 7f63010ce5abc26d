#pragma once

// Development aid: types text into an open, untitled Notepad window.
void TraceToNotepad(const char* text);
