// What the revision handle dialogs share: the edited copies, the measured
// base quantities, the group rules and the running of a dialog.
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/grading_records.h"
#include "host_types.h"
#include "tools/handle_dialogs_fields.h"
#include "win_api.h"

// The copies the dialogs edit; OK writes them back into the handle table.
extern RevisionHandle EditedHandle;
extern RevisionHandle EditedPointHandle;
// Set by the measurement launcher when the handle's range is one circular arc.
extern int16_t isArcRange;
// The point dialog's anchor as stored in the path and as graded by the handles before it.
extern PathSegment pointSourceSegment;
extern PathSegment pointGradedSegment;

// In points, measured by ShowRevisionDialog on the piece graded by the slots before the handle.
struct MeasuredBase {
  double distance;
  double length;
  double radius;
};
extern MeasuredBase gMeasuredBase;

// The proportional value the amount dialog opened with.
extern int16_t gOpenedProportional;

// The group's common proportional value (-1 when its slots differ), worked out
// only from the group's first slot; any other slot gives its own value.
int16_t CommonProportional(int32_t slot);
// The edited copies written over their slots and the rest of the group.
// WriteBackAmountEdit reads gOpenedProportional.
void WriteBackAmountEdit(int32_t slot);
void WriteBackPointEdit(int32_t slot);

// Registers the dialogs, runs one as a child of the host's main window and
// gives 1 (OK) or 2; the live preview never outlives it.
int32_t RunHandleDialog(PluginRef pluginRef, int32_t resourceId, DLGPROC procedure);
// The amount and point dialogs' closing steps, then the dialog ends.
void CloseHandleDialog(HWND dialog, INT_PTR result);
// The handle table of the live preview is the edited one, then put back.
void PreviewEditedHandle();
