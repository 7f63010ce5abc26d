#include "panels/inf_panel_list.h"

void PaintInfoPanelItem(const OwnerDrawRecord*) {}

void RebuildInfList() {}

void UpdateToolDependentState(HWND__*) {}

void ReorderRevisionHandles(int32_t, int32_t, int32_t, int32_t) {}
void InsertHandleRow(int32_t) {}

void SyncInfSelection() {}

void InvalidateInfList() {}
