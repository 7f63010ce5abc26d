// "Update grading": the options dialog with a live preview of what will be
// written, and the writing of graded copies of the current piece.
#pragma once

#include <cstdint>

#include "host_types.h"

struct HWND__;
struct DRAWITEMSTRUCT;

// The private notification sent after the current preset's copies replaced
// the piece they were graded from.
constexpr const char* kUpdateGradingNotification = "5081-7342-6619-2470-8853-1906";

// Runs the dialog: 1 OK, 2 Cancel, 0 when no layer can take the preview (the
// dialog is then not shown).
intptr_t ShowUpdateGradingDialog(PluginRef pluginRef);

// Rebuilds the dialog's preview group from the current options.
void UpdatePreviewForPresets();
// Previews every titled piece of the list for the current preset.
void AddPiecesToUpdatePreview(ArtHandle* arts, int32_t count);

intptr_t UpdateGradingDlgProc(HWND__* dialog, uint32_t message, uintptr_t wParam, intptr_t lParam);
void DrawUpdateSetListItem(const DRAWITEMSTRUCT* item);
intptr_t SendUpdateDlgItemMessage(HWND__* dialog, int id, uint32_t message, uintptr_t wParam,
                                  intptr_t lParam);

// 1 when the preset of `slot` is written (and previewed) in output mode
// `mode`; `currentSlot` is the slot that stands for the current preset.
int PresetTakesPart(int32_t slot, int16_t mode, int32_t currentSlot);

// Writes the graded copies of the current piece for the current preset; with
// `rebuild` the preview copies are first built for that preset, with the
// marks only when that preview stays on show (`shown`).
void WriteGradedOutput(int16_t rebuild, bool shown = true);
// Where the copies of the piece whose base art is `base` go: a new group (or
// compound path) above a group (or compound path) base, or the output layer
// (a new group or compound path inside it for such a base); null when they go
// directly above their members.
ArtHandle GradedOutputDestination(ArtHandle base);
// Duplicates each preview copy of the current piece into `destination` (or
// above its member), keeping or replacing the members as the options say. The
// paths of a compound path inside the piece go into a compound path of their
// own in `destination`, so that its holes stay holes.
void WriteGradedCopies(ArtHandle destination, ArtHandle base);
// Replaces every string tag of `destination` by those of `source`.
void CopyStringTags(ArtHandle destination, ArtHandle source);
