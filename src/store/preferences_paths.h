// Where the preferences, preset and size-table files live, under the user's
// Adobe\Illustrator folder. The files' readers and writers and the dialogs that
// list and delete the files all take their folders from here.
#pragma once

#include <cstddef>

constexpr char kPreferencesFile[] = "\\Prefs\\Vestamark.ini";
constexpr char kPresetFolder[] = "\\Prefs\\Vestamark\\";
constexpr char kSizeTableFolder[] = "\\Prefs\\Vestamark\\SizeTable\\";
constexpr char kPresetFileExtension[] = ".ini";

// 1 when a user-chosen name can stand as a file name in one of the folders:
// not empty, and no "\", "/", ":" or "..".
int IsUsableFileName(const char* name);

// The folder with its trailing backslash, each level created when missing;
// 0 (and an empty output) when the path does not fit the output.
int GetPresetFolderPath(char* out, size_t size);
int GetSizeTableFolderPath(char* out, size_t size);

// Full paths; 0 when the name is not usable or the path does not fit.
int BuildPreferencesFilePath(char* out, size_t size);
int BuildPresetFilePath(const char* name, char* out, size_t size);
int BuildSizeTableFilePath(const char* name, char* out, size_t size);
