#include "panels/inf_panel_list.h"

void PaintInfoPanelItem(const OwnerDrawRecord*) {}

void RebuildInfList() {}

void InsertHandleRow(int32_t) {}

void SyncInfSelection() {}

void InvalidateInfList() {}
