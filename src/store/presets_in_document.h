// The preset table kept in the document: the presets saved with the document
// and the preset configuration saved with each grading group.
#pragma once

// Writes the presets onto the first usable layer; nothing without a view.
void SavePresetsToDocument();

// Replaces the preset table by the presets kept in the document, if any.
void LoadPresetsFromDocument();

// Writes the preset file name and the presets beside the grading group.
void SavePresetConfig();

// Returns 1 when the document held a preset configuration and it was loaded.
int LoadPresetConfig();
