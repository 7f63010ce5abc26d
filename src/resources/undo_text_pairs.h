// Undo texts of the module's edits: each is the index of a Japanese undo text
// in the localised text table, its redo text standing right after it.
#pragma once

constexpr int kUndoGrouping = 13;
constexpr int kUndoUngrouping = 15;
constexpr int kUndoBasicSettings = 17;
constexpr int kUndoUpdate = 19;
constexpr int kUndoDeleteTags = 21;
constexpr int kUndoEditPreset = 23;
constexpr int kUndoDeleteRevisionHandle = 25;
constexpr int kUndoEditRevisionHandle = 27;
constexpr int kUndoReplaceHandleText = 29;
constexpr int kUndoEditRevisionPoint = 31;
constexpr int kUndoDeleteVariable = 33;
constexpr int kUndoNewVariable = 35;
constexpr int kUndoEditVariable = 37;
constexpr int kUndoReorderVariable = 39;
