// The user's host folder, base of every preferences, preset and size-table file.
#pragma once

// output: at least MAX_PATH bytes. Returns 1, or 0 with an empty output when
// the documents folder is unknown or the path would not fit.
int GetIllustratorUserFolder(char* output);

// Development aid: appends text to a file on the user's desktop.
void AppendDebugText(const char* text);
